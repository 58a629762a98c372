// The season replay: schedule balance, standings arithmetic and the leaders' minimums
// (a replayed season's output, alike for any number of workers, is a golden run).
#include <gtest/gtest.h>

#include <map>

#include "import/demo_league.h"
#include "season/season.h"
#include "season/standings.h"

namespace velmoro {
namespace {

struct ScheduleCase {
    std::vector<int> targets;  // one league
    int slack;                 // games a team may end short of its target
};

TEST(SeasonSchedule, EveryTeamItsGamesHomeAndAwaySplitPairsBalanced) {
    const ScheduleCase cases[] = {
        {std::vector<int>(8, 154), 0},   // 1927: 22 meetings a pair
        {std::vector<int>(15, 162), 1},  // 11 or 12 meetings a pair
        {std::vector<int>(2, 7), 0},     // odd meetings: one park gets four
        {{140, 112, 98, 70, 35, 7}, 0},  // 1884-like: short seasons beside long ones
    };
    for (const ScheduleCase& c : cases) {
        const int n = static_cast<int>(c.targets.size());
        std::vector<int> league(n);
        for (int t = 0; t < n; ++t)
            league[t] = t;
        const auto games = BuildSchedule({league}, c.targets);
        std::vector<int> played(n), home(n);
        std::map<std::pair<int, int>, int> meetings;
        for (const ScheduledGame& g : games) {
            ++played[g.visitor], ++played[g.home], ++home[g.home];
            ++meetings[{std::min(g.visitor, g.home), std::max(g.visitor, g.home)}];
        }
        int least = 1 << 30, most = 0;
        for (const auto& [pair, count] : meetings)
            least = std::min(least, count), most = std::max(most, count);
        const bool even = std::equal(c.targets.begin() + 1, c.targets.end(), c.targets.begin());
        for (int t = 0; t < n; ++t) {
            SCOPED_TRACE(testing::Message() << n << " teams, team " << t);
            EXPECT_LE(played[t], c.targets[t]);
            EXPECT_GE(played[t], c.targets[t] - c.slack);
            EXPECT_LE(std::abs(2 * home[t] - played[t]), even ? 1 : 3);
        }
        if (even) {
            EXPECT_LE(most - least, 1);
        }
    }
}

// The demo league's first season as two four-team leagues.
Season DemoSeason(const TeamList& league, int gamesPerTeam) {
    Season season;
    season.year = 1990;
    for (const auto& team : league) {
        if (season.teams.size() == 8) break;
        SeasonTeam entry;
        entry.team = team.get();
        entry.league = season.teams.size() < 4 ? "AL" : "NL";
        entry.realGames = 24;
        entry.realWins = 12 + static_cast<int>(season.teams.size());
        entry.realLosses = 24 - entry.realWins;
        entry.realRunsScored = 100;
        season.teams.push_back(entry);
    }
    season.designatedHitter = [](const std::string& lg) { return lg == "AL"; };
    ScheduleSeason(season, gamesPerTeam);
    return season;
}

TEST(SeasonStandings, PctGamesBehindAndLeadersMinimums) {
    EXPECT_DOUBLE_EQ(WinningPct(0, 0), 0);
    EXPECT_DOUBLE_EQ(WinningPct(3, 1), 0.75);
    EXPECT_DOUBLE_EQ(GamesBehind(90, 60, 85, 66), 5.5);
    EXPECT_DOUBLE_EQ(GamesBehind(90, 60, 90, 60), 0);

    const TeamList league = MakeDemoLeague();
    Season season = DemoSeason(league, 0);
    season.schedule = {{0, 1}, {1, 0}, {2, 1}, {0, 2}};
    SeasonResults results;
    results.games = {{true, 5, 3}, {true, 2, 1}, {true, 0, 4}, {true, 1, 9}};
    const std::vector<StandingRow> rows = LeagueStandings(season, results, {0, 1, 2});
    ASSERT_EQ(rows.size(), 3u);
    // Team 1: won at home against 2, at 0 and lost at 0: 2-1; team 2 2-1 too, fewer runs allowed
    // wins no tie.
    EXPECT_EQ(rows[0].team, 1);
    EXPECT_EQ(rows[0].wins, 2);
    EXPECT_EQ(rows[0].homeWins, 1);
    EXPECT_EQ(rows[0].awayWins, 1);
    EXPECT_EQ(rows[2].team, 0);
    EXPECT_EQ(rows[2].wins, 1);
    EXPECT_DOUBLE_EQ(rows[2].gamesBehind, 1);

    // Team 0 played 3 games: AVG needs 9.3 plate appearances, ERA 9 outs.
    results.players = {{0, 0, {3, 9, 0, 5}, {}},                       // 9 PA: not enough
                       {0, 1, {3, 8, 0, 3, 0, 0, 0, 0, 0, 0, 2}, {}},  // 10 PA: .375
                       {0, 2, {}, {1, 1, 8, 1}},                       // 8 outs
                       {0, 3, {}, {1, 1, 9, 2}}};                      // 9 outs: ERA 6.00
    const auto leaders = SeasonLeaders(season, results, {0, 1, 2}, 5);
    ASSERT_EQ(leaders.size(), 8u);
    ASSERT_EQ(leaders[0].title, "AVG");
    ASSERT_EQ(leaders[0].leaders.size(), 1u);
    EXPECT_EQ(leaders[0].leaders[0].player, 1);
    ASSERT_EQ(leaders[5].title, "ERA");
    ASSERT_EQ(leaders[5].leaders.size(), 1u);
    EXPECT_DOUBLE_EQ(leaders[5].leaders[0].value, 6.0);
}

}  // namespace
}  // namespace velmoro
