// The set-up rules as tables: the team page's lists and notices, the lineup pages'
// candidates, the default set-up, and in-game pitching changes and substitutions.
#include <gtest/gtest.h>

#include "setup/batting_order.h"
#include "setup/default_setup.h"
#include "setup/fielding.h"
#include "setup/lineup.h"
#include "setup/manage_pitching.h"
#include "setup/manage_stats.h"
#include "setup/manage_substitution.h"
#include "setup/team_page.h"
#include "setup/team_prep.h"
#include "support/default_game.h"
#include "support/recording_display.h"
#include "support/test_game.h"

namespace velmoro::testing {
namespace {

using Names = std::vector<std::string>;
using Chain = std::vector<std::pair<std::string, int>>;
constexpr int kOf = Outfield;

// Two starters, a reliever, one player per position and a bench outfielder.
// clang-format off
const std::vector<PlayerTraits> kFull = {
    {"Ace", Pitcher, 100, 250, 30, 240}, {"Second", Pitcher, 120, 300, 30, 200},
    {"Reliever", Pitcher, 90, 200, 60, 80}, {"Catch", Catcher, 260}, {"First", FirstBase, 300},
    {"Second Base", SecondBase, 280}, {"Short", Shortstop, 250}, {"Third", ThirdBase, 270},
    {"Left", kOf, 290}, {"Center", kOf, 310}, {"Right", kOf, 240}, {"Bench", kOf | FirstBase, 230}};
// clang-format on

void AddPlayers(TeamRecord& team, const std::vector<PlayerTraits>& players) {
    for (const PlayerTraits& p : players)
        AddRoster(team, {p});
}

// Lineup pages: the candidates of the page reached by taking every earlier page's
// first candidate.
TEST(Setup, LineupPageCandidates) {
    const std::vector<PlayerTraits> twins = {{"Ace", Pitcher, 100, 250, 30, 240},
                                             {"Smith", Catcher, 300},
                                             {"Smith", Catcher | FirstBase, 290}};
    const struct {
        const char* name;
        bool dh;
        int pages;
        Names expected;
        std::vector<PlayerTraits> roster;
    } cases[] = {
        // clang-format off
        {"pitchers of the staff rule, best ERA first", false, 0, {"Starter", "FourPerGame"},
         {{"NoGames", Pitcher, 100, 100, 0, 0}, {"ThreePerGame", Pitcher, 100, 150, 10, 39},  // 3.9 drops to 3
          {"FourPerGame", Pitcher, 100, 400, 10, 40}, {"Starter", Pitcher, 100, 300, 30, 200},
          {"LineNoBit", FirstBase, 100, 200, 30, 200}, {"Infielder", SecondBase, 300}}},
        {"no starter: infielders and pitchers by average", false, 0, {"Shortstop", "Reliever", "Unused"},
         {{"Reliever", Pitcher, 150, 200, 50, 60}, {"Catcher", Catcher, 400}, {"Shortstop", Shortstop, 350},
          {"Unused", Pitcher, 100, 300, 0, 0}, {"Fielder", kOf, 380}}},
        {"first base", false, 2, {"First", "Bench"}, kFull},
        {"left field", false, 6, {"Center", "Left", "Right", "Bench"}, kFull},
        {"center field", false, 7, {"Left", "Right", "Bench"}, kFull},
        {"right field", false, 8, {"Right", "Bench"}, kFull},
        {"designated hitter: every unplaced player", true, 9, {"Bench", "Second", "Reliever"}, kFull},
        {"three outfielders, one catching: infielders fill in", false, 8, {"Short"},
         {{"Ace", Pitcher, 100, 250, 30, 240}, {"CatchOF", Catcher | kOf, 320}, {"First", FirstBase, 300},
          {"Second", SecondBase, 280}, {"Short", Shortstop, 250}, {"Third", ThirdBase, 270},
          {"Utility", ThirdBase | Shortstop, 260}, {"Left", kOf, 290}, {"Center", kOf, 210}}},
        {"the same name twice", false, 1, {"Smith", "Smith"}, twins},
        {"a placed name blocks its twin", false, 2, {}, twins},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TeamRecord team("1950 Team");
        AddPlayers(team, c.roster);
        Session session;
        session.game.visitor.team = session.game.home.team = &team;
        PrepareSide(session, Side::Visitors);
        PrepareSide(session, Side::Home);
        StartLineupPages(session, &team, &team, c.dh);
        SetupState setup;
        for (int page = 0; page < c.pages; ++page) {
            const Names names = LineupCandidates(session.game, setup);
            if (!names.empty()) SelectLineupCandidate(session.game, setup, names.front());
            AdvanceLineupPage(session.game, setup);
        }
        EXPECT_EQ(LineupCandidates(session.game, setup), c.expected);
    }
}

// The check and the set-up give one answer for every roster, with and without the
// designated hitter; where the first candidates lead nowhere, a page looks ahead.
TEST(Setup, FieldingCheckAndDefaultSetupAgree) {
    constexpr int kIn = FirstBase | SecondBase | ThirdBase | Shortstop;
    const PlayerTraits starter{"Starter", Pitcher, 200, 300, 30, 200};
    const std::initializer_list<PlayerTraits> infieldAndOutfield{
        {"First", FirstBase, 300}, {"Second", SecondBase, 280}, {"Short", Shortstop, 250},
        {"Third", ThirdBase, 270}, {"Left", kOf, 290},          {"Center", kOf, 310},
        {"Right", kOf, 240}};
    const std::string sixShort =
        " cannot be fielded: 5 players for the 6 places of pitcher, catcher, first base, second "
        "base, shortstop and third base";
    const std::string nineForTen =
        " cannot be fielded: 9 players for the 10 places of a lineup with a designated hitter";
    const PlayerTraits both{"Both", Pitcher | Catcher, 200, 300, 30, 200};
    const struct {
        std::vector<PlayerTraits> extra;  // beside the four infielders and three outfielders
        std::string noDh, dh;             // the check's message after the name, "" when it fields
        const char* catcher = "";         // who catches when it fields
    } cases[] = {
        // clang-format off
        {{starter, {"Catch", Catcher, 260}}, "", nineForTen, "Catch"},
        {{starter, {"Catch", Catcher, 260}, {"Bench", kIn, 200}}, "", "", "Catch"},
        // The only catcher is the only pitcher (a ninth man in the outfield does not help).
        {{both, {"Fourth", kOf, 230}}, sixShort, sixShort},
        // A spare infielder catches.
        {{both, {"Bench", kIn, 200}}, "", nineForTen, "First"},
        // The only starter is the only catcher: the reliever cannot start.
        {{both, {"Relief", Pitcher, 100, 250, 40, 60}}, sixShort, sixShort},
        // The first starter is the only catcher: the second starts, and he catches.
        {{{"Both", Pitcher | Catcher, 200, 250, 30, 200}, {"Other", Pitcher, 100, 300, 30, 200},
          {"Bench", kOf, 200}}, "", "", "Both"},
        {{starter, {"Catch", Catcher, 260}, {"Bench", kIn, 200}, {"Extra", kIn, 200}}, "", "", "Catch"},
        // clang-format on
    };
    TeamRecord full("1950 Full");
    AddPlayers(full, kFull);
    for (const auto& c : cases) {
        for (const bool dh : {false, true}) {
            TeamRecord team("1950 Test");
            AddRoster(team, infieldAndOutfield);
            AddPlayers(team, c.extra);
            const Status check = CheckFielding(team, dh);
            const std::string& wanted = dh ? c.dh : c.noDh;
            SCOPED_TRACE(::testing::Message() << c.extra.front().name << " dh " << dh);
            EXPECT_EQ(check.message(), wanted.empty() ? "" : "1950 Test" + wanted);
            Session session;
            std::string error;
            EXPECT_EQ(DefaultSetup(session, team, full, dh, &error), check.ok());
            EXPECT_EQ(error, check.message());
            if (check.ok()) {
                EXPECT_EQ(session.game.visitor.defense[CatcherSlot]->name, c.catcher);
            }
        }
    }
}

TEST(Setup, TeamPageListsAndNotices) {
    const std::string invalid =
        "custom teams have been detected.  This \nis usually because a team has been saved "
        "without \nhaving at least 9 members and a member for every \nposition.";
    TeamDatabase db;
    for (const char* name : {"2006 Mets", "1950 Valley Rams", "1950 harbor Hawks", "1927 Rams"})
        AddLeagueTeam(db.legendTeams, name, 3);
    AddTeam(db.legendTeams, "");  // a team without a year is never offered
    EXPECT_EQ(YearEntries(db), (Names{"1927", "1950", "2006"}));
    EXPECT_EQ(OpeningNotice(db), "");
    AddTeam(db.customTeams, "Broken").AddPlayer(MakeBatter("Lonely", Catcher, 1));
    EXPECT_EQ(YearEntries(db), (Names{"1927", "1950", "2006"}));
    EXPECT_EQ(OpeningNotice(db),
              "No valid " + invalid +
                  "  \n\nThis can be fixed by clicking the 'Custom Team'\nbutton and further "
                  "editing the missing team.");
    AddLeagueTeam(db.customTeams, "Zebras", 5);
    AddLeagueTeam(db.customTeams, "aardvarks", 6);
    EXPECT_EQ(OpeningNotice(db), "");
    EXPECT_EQ(YearEntries(db), (Names{"Custom", "1927", "1950", "2006"}));

    const TeamEntries year = TeamEntriesOfYear(db, "1950");
    EXPECT_EQ(year.names, (Names{"harbor Hawks", "Valley Rams"}));
    const TeamEntries custom = TeamEntriesOfYear(db, "Custom");
    EXPECT_EQ(custom.names, (Names{"aardvarks", "Zebras"}));
    EXPECT_EQ(custom.unplayable, 1);
    // Only Team 1 complains; Team 2 lists the same teams silently.
    EXPECT_EQ(YearChoiceNotice(Side::Visitors, custom),
              "Invalid " + invalid +
                  "\n\nThis can be fixed by clicking the 'Custom Team' \nbutton and further "
                  "editing the missing team.");
    EXPECT_EQ(YearChoiceNotice(Side::Home, custom), "");
    EXPECT_EQ(YearChoiceNotice(Side::Visitors, year), "");

    EXPECT_EQ(ResolveTeamChoice(db, "1950", "Valley Rams"), db.legendTeams[1].get());
    EXPECT_EQ(ResolveTeamChoice(db, "Custom", "Zebras"), db.customTeams[1].get());
    EXPECT_EQ(ResolveTeamChoice(db, "1950", "valley rams"), nullptr);
    EXPECT_EQ(ResolveTeamChoice(db, "1927", "Valley Rams"), nullptr);
    // Next goes on only with both teams chosen.
    Session session;
    SetupState setup;
    EXPECT_FALSE(StoreTeamChoices(session, setup, db.legendTeams[1].get(), nullptr, false));
    EXPECT_FALSE(StoreTeamChoices(session, setup, nullptr, db.legendTeams[1].get(), false));
}

// A game under way, the test league's visitors at bat and in the dialog.
struct GameUnderWay {
    Session session;
    RecordingDisplay screen;
    GameState& game = session.game;
    Side which = Side::Visitors;  // the side the management windows work on
    explicit GameUnderWay(bool dh) {
        session.SetDisplay(&screen);
        EXPECT_TRUE(DefaultGame(session, dh));
        OpenPlayScreen(session);
        screen.Clear();
    }
    GameSide& side() { return game.SideOf(which); }
    PlayerRecord* player(const char* name) { return FindPlayer(side().team, name); }
    Chain chain(int slot) {
        Chain lines;
        for (const auto& line : side().boxLines[slot])
            lines.emplace_back(line->name, line->position);
        return lines;
    }
    void batterAt(int slot) { game.batterIndex = game.Batting().nextBatter = slot; }
};

TEST(Setup, PitchingChanges) {
    for (bool dh : {false, true}) {
        SCOPED_TRACE(dh);
        GameUnderWay g(dh);
        g.which = Side::Home;
        // Through the fourth inning only pitchers of more than three innings a game.
        EXPECT_EQ(PitchingChangeCandidates(g.game, g.which),
                  (Names{"Hal Grimsby", "Joe Vickery", "Stan Mulvey"}));
        const auto before = g.side().lineup;
        ASSERT_EQ(ApplyPitchingChange(g.session, g.which, "Joe Vickery"),
                  SubstitutionOutcome::Applied);
        PlayerRecord* joe = g.player("Joe Vickery");
        EXPECT_EQ(g.side().defense[PitcherSlot], joe);
        EXPECT_EQ(g.side().lineup[kPitcherEntry], joe);
        // Only without the designated hitter does the order change, at the pitcher's slot.
        EXPECT_EQ(g.side().lineup[0], dh ? before[0] : joe);
        EXPECT_EQ(g.chain(0).size(), dh ? 1u : 2u);
        ASSERT_EQ(g.side().boxLines[kPitcherEntry].size(), 2u);
        EXPECT_EQ(&CurrentPitcherLine(g.game), g.side().boxLines[kPitcherEntry].back().get());
        EXPECT_EQ(g.screen.Starting("ShowPitcher "), Names{"ShowPitcher Joe Vickery"});
        EXPECT_EQ(PitchingChangeCandidates(g.game, g.which), (Names{"Hal Grimsby", "Stan Mulvey"}));
    }
}

TEST(Setup, Substitutions) {
    GameUnderWay g(false);
    const int leftField = 6;  // the order's slot of the left fielder
    g.batterAt(0);
    EXPECT_EQ(ReplaceChoices(g.game, g.which), (std::vector<int>{0, PitcherPosition}));
    g.batterAt(leftField);
    EXPECT_EQ(ReplaceChoices(g.game, g.which), (std::vector<int>{0, LeftFieldPosition}));
    GameUnderWay withDh(true);
    withDh.batterAt(0);
    EXPECT_EQ(ReplaceChoices(withDh.game, withDh.which),
              (std::vector<int>{0, DesignatedHitterPosition}));
    const SubstituteCandidates pinch = SubstitutionCandidates(g.session, g.which, PinchHitter);
    EXPECT_EQ(pinch.names,
              (Names{"Duke Farrow", "Ned Lasko", "Lou Pettigrew", "Eddie Marsh", "Walt Brennan"}));
    EXPECT_EQ(pinch.count, 1);  // only Duke Farrow could play left field

    // A pinch hitter who cannot field is forced out by a fielder after his turn.
    const std::string left = g.side().lineup[leftField]->name;
    ASSERT_EQ(ApplySubstitution(g.session, g.which, PinchHitter, "Ned Lasko"),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(g.chain(leftField), (Chain{{left, 7}, {"Ned Lasko", 0}}));
    EXPECT_EQ(g.game.pinchHitterMustLeave, LeftFieldPosition);
    EXPECT_EQ(g.screen.Starting("ShowHitter "), Names{"ShowHitter Ned Lasko"});
    EXPECT_TRUE(ForcedReplacementDue(g.game, g.which));
    EXPECT_EQ(ReplaceChoices(g.game, g.which), std::vector<int>{LeftFieldPosition});
    EXPECT_EQ(SubstitutionCandidates(g.session, g.which, LeftFieldPosition).names,
              Names{"Duke Farrow"});
    ASSERT_EQ(ApplySubstitution(g.session, g.which, LeftFieldPosition, "Duke Farrow"),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(g.chain(leftField), (Chain{{left, 7}, {"Ned Lasko", 0}, {"Duke Farrow", 7}}));
    EXPECT_EQ(g.side().defense[LeftFieldSlot], g.player("Duke Farrow"));
    EXPECT_FALSE(IsAvailableSubstitute(g.game, g.which, *g.player("Ned Lasko")));
    EXPECT_EQ(SubstitutionCandidates(g.session, g.which, LeftFieldPosition).count, 0);

    // Whoever comes in to pitch becomes the side's pitcher.
    g.batterAt(0);
    ASSERT_EQ(ApplySubstitution(g.session, g.which, PitcherPosition, "Eddie Marsh"),
              SubstitutionOutcome::Applied);
    EXPECT_EQ(g.side().defense[PitcherSlot], g.player("Eddie Marsh"));
    EXPECT_EQ(g.side().lineup[kPitcherEntry], g.player("Eddie Marsh"));
    EXPECT_EQ(g.side().boxLines[kPitcherEntry].back()->name, "Eddie Marsh");
    EXPECT_EQ(ApplySubstitution(g.session, g.which, PinchHitter, "Nobody"),
              SubstitutionOutcome::UnknownPlayer);
}

// The batting order's arrows stop at its ends, a slot outside the lineup holds a pinch
// hitter, a statistics page holds 25 rows at most, and the page kept is the same team's.
TEST(Setup, BattingOrderEndsAndStatsPageRows) {
    Session session;
    ASSERT_TRUE(DefaultGame(session, false));
    for (int position : {-1, 0, 9})
        EXPECT_FALSE(MoveBatterUp(session.game, Side::Visitors, position));
    for (int position : {-1, 8, 9})
        EXPECT_FALSE(MoveBatterDown(session.game, Side::Visitors, position));
    const auto& lineup = session.game.visitor.lineup;
    const auto before = lineup;
    EXPECT_TRUE(MoveBatterUp(session.game, Side::Visitors, 8));
    EXPECT_TRUE(MoveBatterDown(session.game, Side::Visitors, 0));
    EXPECT_TRUE(lineup[7] == before[8] && lineup[8] == before[7]);
    EXPECT_TRUE(lineup[0] == before[1] && lineup[1] == before[0]);
    for (int slot : {-1, 10})
        EXPECT_EQ(SlotPosition(session.game, Side::Visitors, slot), PinchHitter);
    TeamRecord team("1950 Many");
    for (int i = 0; i < 30; ++i)
        AddRoster(team, {{"", Outfield, 250}});
    EXPECT_EQ(HittingStatsPage(team, 0).rows.size(), 25u);
    EXPECT_EQ(HittingStatsPage(team, 25).rows.size(), 5u);
    // Reopened, the same team keeps its page; another opens on its first.
    session.statsPageStart = 25;
    StatsOpen(session, team, &team);
    EXPECT_EQ(session.statsPageStart, 25);
    StatsOpen(session, *session.game.home.team, &team);
    EXPECT_EQ(session.statsPageStart, 0);
}

}  // namespace
}  // namespace velmoro::testing
