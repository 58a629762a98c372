// The team page's decisions: what the year and team lists offer, the two custom team
// messages, how a choice turns back into a team, and what choosing and Next store.
#include "setup/team_page.h"

#include <gtest/gtest.h>

#include "engine/session.h"

namespace velmoro {
namespace {

// Nine players, one per position and three outfielders; `playable` false drops the
// catcher so IsTeamPlayable fails.
TeamRecord& AddSquad(TeamList& list, const std::string& name, bool playable = true) {
    TeamRecord& team = AddTeam(list, name);
    const std::uint8_t positions[] = {Pitcher,   Catcher,  FirstBase, SecondBase, Shortstop,
                                      ThirdBase, Outfield, Outfield,  Outfield};
    int index = 0;
    for (std::uint8_t position : positions) {
        PlayerRecord player(name + " #" + std::to_string(index));
        player.positions = playable || position != Catcher ? position : std::uint8_t{FirstBase};
        player.battingAvg = static_cast<std::uint16_t>(200 + 10 * index++);
        if (position == Pitcher) player.pitching = std::make_unique<PitchingLine>();
        team.AddPlayer(std::move(player));
    }
    return team;
}

TEST(TeamPageLists, YearsAreDistinctAscendingWithCustomOnlyWhenOnePlays) {
    struct Case {
        std::vector<bool> customPlayable;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {{}, {"1927", "1950", "2006"}},
        {{false, false}, {"1927", "1950", "2006"}},
        {{false, true}, {"Custom", "1927", "1950", "2006"}},
    };
    for (const Case& c : cases) {
        TeamDatabase db;
        for (const char* name : {"2006 Mets", "1927 Yankees", "1950 Hawks", "1927 Pirates"})
            AddSquad(db.legendTeams, name);
        AddTeam(db.legendTeams, "");  // a team without a year is never offered
        int n = 0;
        for (bool playable : c.customPlayable)
            AddSquad(db.customTeams, "Mine " + std::to_string(n++), playable);
        EXPECT_EQ(YearEntries(db), c.expected);
    }
}

TEST(TeamPageLists, OpeningNoticeOnlyWhenCustomTeamsExistButNonePlays) {
    TeamDatabase db;
    AddSquad(db.legendTeams, "1950 Hawks");
    EXPECT_EQ(OpeningNotice(db), "");
    AddSquad(db.customTeams, "Broken", false);
    EXPECT_EQ(OpeningNotice(db),
              "No valid custom teams have been detected.  This \nis usually because a team has "
              "been saved without \nhaving at least 9 members and a member for every \n"
              "position.  \n\nThis can be fixed by clicking the 'Custom Team'\nbutton and "
              "further editing the missing team.");
    AddSquad(db.customTeams, "Fine");
    EXPECT_EQ(OpeningNotice(db), "");
}

TEST(TeamPageLists, TeamEntriesOfAYearAndOfCustom) {
    TeamDatabase db;
    for (const char* name : {"1950 Valley Rams", "1950 harbor Hawks", "1951 Rams", "1950 Bears"})
        AddSquad(db.legendTeams, name);
    AddSquad(db.customTeams, "Zebras");
    AddSquad(db.customTeams, "Broken", false);
    AddSquad(db.customTeams, "aardvarks");

    const TeamEntries year = TeamEntriesOfYear(db, "1950");
    EXPECT_EQ(year.names, (std::vector<std::string>{"Bears", "harbor Hawks", "Valley Rams"}));
    EXPECT_EQ(year.unplayable, 0);

    const TeamEntries custom = TeamEntriesOfYear(db, "Custom");
    EXPECT_EQ(custom.names, (std::vector<std::string>{"aardvarks", "Zebras"}));
    EXPECT_EQ(custom.unplayable, 1);

    // Only Team 1 complains; Team 2 lists the same teams silently.
    EXPECT_EQ(YearChoiceNotice(kVisitors, custom),
              "Invalid custom teams have been detected.  This \nis usually because a team has "
              "been saved without \nhaving at least 9 members and a member for every \n"
              "position.\n\nThis can be fixed by clicking the 'Custom Team' \nbutton and "
              "further editing the missing team.");
    EXPECT_EQ(YearChoiceNotice(kHome, custom), "");
    EXPECT_EQ(YearChoiceNotice(kVisitors, year), "");
}

TEST(TeamPageLists, ResolvingAChoiceByName) {
    TeamDatabase db;
    TeamRecord& hawks = AddSquad(db.legendTeams, "1950 Hawks");
    AddSquad(db.legendTeams, "1950 Hawks II");
    TeamRecord& firstTwin = AddSquad(db.customTeams, "Twins");
    AddSquad(db.customTeams, "Twins");
    TeamRecord& custom1950 = AddSquad(db.customTeams, "1950 Hawks");

    EXPECT_EQ(ResolveTeamChoice(db, "1950", "Hawks"), &hawks);
    EXPECT_EQ(db.currentTeam, &hawks);
    EXPECT_EQ(ResolveTeamChoice(db, "Custom", "Twins"), &firstTwin);  // first of a name wins
    EXPECT_EQ(ResolveTeamChoice(db, "Custom", "1950 Hawks"), &custom1950);
    EXPECT_EQ(ResolveTeamChoice(db, "1950", "hawks"), nullptr);  // exact, case and all
    EXPECT_EQ(ResolveTeamChoice(db, "1951", "Hawks"), nullptr);
}

TEST(TeamPageChoice, ChoosingPreparesTheSideAndTheSameTeamMayPlayBoth) {
    Session session;
    TeamRecord& team = AddSquad(session.teams.legendTeams, "1950 Hawks");
    ChooseTeam(session, kVisitors, &team);
    ChooseTeam(session, kHome, &team);

    EXPECT_EQ(session.game.visitor.team, &team);
    EXPECT_EQ(session.game.home.team, &team);
    EXPECT_EQ(session.game.dialogSide, kHome);
    EXPECT_EQ(session.teams.currentTeam, &team);
    // Roster by batting average, the best first; both staffs hold the team's pitcher.
    EXPECT_EQ(team.players.front()->battingAvg, 280);
    EXPECT_EQ(session.game.visitor.pitchingStaff[0], session.game.home.pitchingStaff[0]);
    ASSERT_NE(session.game.home.pitchingStaff[0], nullptr);
    EXPECT_TRUE(session.game.home.pitchingStaff[0]->HasPosition(Pitcher));

    // An empty choice leaves no team and no staff behind for that side.
    ChooseTeam(session, kHome, nullptr);
    EXPECT_EQ(session.game.home.team, nullptr);
    EXPECT_EQ(session.game.home.pitchingStaff[0], nullptr);
    EXPECT_NE(session.game.visitor.pitchingStaff[0], nullptr);
}

TEST(TeamPageChoice, ForgettingDropsEveryReferenceToTheTeams) {
    Session session;
    TeamRecord& team = AddSquad(session.teams.customTeams, "Mine");
    ChooseTeam(session, kVisitors, &team);
    ChooseTeam(session, kHome, &team);
    session.teams.currentPlayer = team.players.front().get();
    ForgetTeamChoices(session);
    EXPECT_EQ(session.game.visitor.team, nullptr);
    EXPECT_EQ(session.game.home.team, nullptr);
    EXPECT_EQ(session.game.visitor.pitchingStaff[0], nullptr);
    EXPECT_EQ(session.game.home.pitchingStaff[0], nullptr);
    EXPECT_EQ(session.teams.currentTeam, nullptr);
    EXPECT_EQ(session.teams.currentPlayer, nullptr);
}

TEST(TeamPageNext, StoresBothTeamsAndStartsAtTheVisitorsPitcher) {
    Session session;
    TeamRecord& visitors = AddSquad(session.teams.legendTeams, "1950 Hawks");
    TeamRecord& home = AddSquad(session.teams.legendTeams, "1950 Rams");
    // What a cancelled run may have left behind.
    session.setup = {kHome, Outfield, kRightField};
    session.game.battingSide = kHome;
    session.game.workingDefenseSide = kHome;

    EXPECT_FALSE(StoreTeamChoices(session, &visitors, nullptr, true));
    EXPECT_EQ(session.game.designatedHitter, 0);
    EXPECT_EQ(session.setup.setupSide, kHome);

    for (bool designatedHitter : {true, false}) {
        ASSERT_TRUE(StoreTeamChoices(session, &visitors, &home, designatedHitter));
        EXPECT_EQ(session.game.visitor.team, &visitors);
        EXPECT_EQ(session.game.home.team, &home);
        EXPECT_EQ(session.game.designatedHitter, designatedHitter ? 1 : 0);
        EXPECT_EQ(session.teams.currentTeam, &visitors);
        EXPECT_EQ(session.game.battingSide, kVisitors);
        EXPECT_EQ(session.game.workingDefenseSide, kVisitors);
        EXPECT_EQ(session.setup.setupSide, kVisitors);
        EXPECT_EQ(session.setup.selectingPosition, Pitcher);
        EXPECT_EQ(session.setup.selectingOutfielder, kLeftField);
    }
}

}  // namespace
}  // namespace velmoro
