// Usage plans on the test league: estimated starts, the lineup of the day over a season,
// the platoon tie-break, the batting order rule and the wizard's "Club's Lineup".
#include <gtest/gtest.h>

#include <map>

#include "setup/club_lineup.h"
#include "setup/usage_plan.h"
#include "support/default_game.h"

namespace velmoro::testing {
namespace {

// A row with `started` games started and games at C, 1B, LF, RF (the rest zero).
PlayerUsage Row(const char* team, const char* name, char bats, int started,
                std::array<int, 4> games, int pitchStarts = 0) {
    PlayerUsage row;
    row.team = team;
    row.player = name;
    row.bats = bats;
    row.throws = bats == 'L' ? 'L' : 'R';
    row.gamesStarted = started;
    row.gamesCatcher = games[0], row.gamesFirst = games[1];
    row.gamesLeft = games[2], row.gamesRight = games[3];
    row.games = games[0] + games[1] + games[2] + games[3];
    row.pitchStarts = row.pitchGames = pitchStarts;
    row.gamesPitcher = pitchStarts, row.games += pitchStarts;
    row.outsPitched = pitchStarts * 20, row.atBats = 400, row.hits = 110;
    return row;
}

TEST(UsagePlan, EstimatedStartsSplitGamesStartedOverThePositions) {
    struct Case {
        PlayerUsage row;
        int slot;
        double starts;
    } cases[] = {
        {Row("t", "all catcher", 'R', 120, {130, 0, 0, 0}), CatcherSlot, 120},
        {Row("t", "split", 'R', 100, {0, 60, 20, 0}), FirstBaseSlot, 75},  // 100 x 60 / 80
        {Row("t", "split", 'R', 100, {0, 60, 20, 0}), LeftFieldSlot, 25},
        {Row("t", "no record", 'R', kNotRecorded, {0, 0, 30, 0}), LeftFieldSlot, 30},
        {Row("t", "bench", 'R', 0, {0, 0, 30, 0}), LeftFieldSlot, 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(EstimatedStarts(c.row)[c.slot], c.starts) << c.row.player;
}

// The Hawks' first base shared 3 to 1, right field 1 to 1 by a lefty and a righty.
std::vector<PlayerUsage> HawksRows() {
    const char* t = kTestVisitors;
    return {Row(t, "Sam Whitlock", 'R', 40, {}, 40),
            Row(t, "Eddie Marsh", 'R', 30, {}, 30),
            Row(t, "Gus Kellerman", 'R', 150, {150, 0, 0, 0}),
            Row(t, "Red Abernathy", 'L', 120, {0, 120, 0, 0}),
            Row(t, "Duke Farrow", 'R', 114, {0, 40, 0, 77}),  // starts: 1B 39, RF 75
            Row(t, "Vern Haskell", 'L', 77, {0, 0, 0, 77}),
            Row(t, "Jack Tarrant", 'L', 150, {0, 0, 150, 0})};
}

ClubPlan HawksPlan(TeamRecord*& team) {
    static Session session;
    LoadTestLeague(session);
    team = LookupTeam(session.teams.legendTeams, kTestVisitors);
    const std::vector<PlayerUsage> rows = HawksRows();
    static std::vector<PlayerUsage> kept;
    kept = rows;
    std::vector<const PlayerUsage*> matched;
    for (const auto& player : team->players) {
        const auto at = std::find_if(kept.begin(), kept.end(), [&](const PlayerUsage& r) {
            return r.player == player->name;
        });
        matched.push_back(at == kept.end() ? nullptr : &*at);
    }
    return MakeClubPlan(*team, matched, 1950);
}

TEST(ClubLineup, StartsFollowTheSharesThroughASeasonAndThePlatoonBreaksTies) {
    TeamRecord* team = nullptr;
    const ClubPlan plan = HawksPlan(team);
    StartCounts starts(team->players.size());
    for (int day = 0; day < 100; ++day)
        CountStarts(ClubLineup(plan, *team, starts, day, 0, day % 2 ? 'L' : 'R', false), starts);
    struct Case {
        const char* name;
        int slot, low, high;
    } cases[] = {
        {"Gus Kellerman", CatcherSlot, 100, 100}, {"Red Abernathy", FirstBaseSlot, 74, 76},
        {"Duke Farrow", FirstBaseSlot, 24, 26},   {"Duke Farrow", RightFieldSlot, 48, 50},
        {"Vern Haskell", RightFieldSlot, 49, 51}, {"Jack Tarrant", LeftFieldSlot, 100, 100},
    };
    for (const Case& c : cases) {
        const int got = starts[plan.Find(c.name)][c.slot];
        EXPECT_TRUE(got >= c.low && got <= c.high) << c.name << " " << got;
    }
    // Right field shared about evenly: the lefty faces the right-hander, the righty the
    // left-hander (Farrow is ahead at first base, so he is wanted in right field).
    StartCounts even(team->players.size());
    even[plan.Find("Red Abernathy")][FirstBaseSlot] = 0;
    even[plan.Find("Duke Farrow")][FirstBaseSlot] = 1;  // behind Abernathy: plays right
    for (char throws : {'R', 'L'}) {
        const DayLineup day = ClubLineup(plan, *team, even, 1, 0, throws, false);
        EXPECT_EQ(plan.players[day.starters[RightFieldSlot]].name,
                  throws == 'R' ? "Vern Haskell" : "Duke Farrow");
    }
}

TEST(UsagePlan, BattingOrderTopThreeFirstSecondFourthPitcherNinth) {
    ClubPlan plan;
    // Quality falls with the index; player 1 has the most power of the best three,
    // player 2 the best on-base.
    const double rates[9][2] = {{.360, .450}, {.330, .560}, {.400, .380},
                                {.330, .420}, {.320, .410}, {.310, .400},
                                {.300, .390}, {.290, .300}, {.200, .200}};
    for (const auto& r : rates)
        plan.players.push_back({.name = "", .onBase = r[0], .slugging = r[1]});
    const std::array<int, 9> batters{8, 7, 6, 5, 4, 3, 2, 1, 0};
    EXPECT_EQ(PlanBattingOrder(plan, batters, -1), (std::array<int, 9>{2, 0, 3, 1, 4, 5, 6, 7, 8}));
    EXPECT_EQ(PlanBattingOrder(plan, batters, 6), (std::array<int, 9>{2, 0, 3, 1, 4, 5, 7, 8, 6}));
}

TEST(ClubLineup, WizardFillsTheSideFromItsRowsOrRefusesWithoutThem) {
    Session session;
    ASSERT_TRUE(DefaultGame(session, false));
    const GameSide& hawks = session.game.visitor;
    const PlayerRecord* pitcher = hawks.defense[PitcherSlot];
    ASSERT_TRUE(FillClubLineup(session.game, Side::Visitors, HawksRows()));
    EXPECT_EQ(hawks.defense[PitcherSlot], pitcher);
    EXPECT_EQ(hawks.lineup[8], pitcher);
    EXPECT_EQ(hawks.defense[FirstBaseSlot]->name, "Red Abernathy");
    EXPECT_EQ(hawks.defense[LeftFieldSlot]->name, "Jack Tarrant");
    const auto before = session.game.home.lineup;
    EXPECT_FALSE(FillClubLineup(session.game, Side::Home, HawksRows()));
    EXPECT_EQ(session.game.home.lineup, before);
}

}  // namespace
}  // namespace velmoro::testing
