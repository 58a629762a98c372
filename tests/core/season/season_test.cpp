// The season replay: schedule balance, standings arithmetic, the leaders' minimums and
// the pitching decisions (a replayed season's output, alike for any number of workers,
// is a golden run).
#include <gtest/gtest.h>

#include <map>

#include "db/team_files.h"
#include "import/demo_league.h"
#include "season/pitching_decisions.h"
#include "season/season.h"
#include "season/season_report.h"
#include "season/season_stats.h"
#include "season/season_usage.h"
#include "season/standings.h"
#include "support/temp_dir.h"

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
            SCOPED_TRACE(::testing::Message() << n << " teams, team " << t);
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
        entry.realGames = 24, entry.realRunsScored = 100;
        entry.realWins = 12 + static_cast<int>(season.teams.size());
        entry.realLosses = 24 - entry.realWins;
        season.teams.push_back(entry);
    }
    season.designatedHitter = [](const std::string& lg) { return lg == "AL"; };
    ScheduleSeason(season, gamesPerTeam);
    return season;
}

TEST(SeasonStandings, RankedByPctGamesBehindNeverBelowZero) {
    const struct {
        int leaderWins, leaderLosses, wins, losses;
        double behind;
    } cases[] = {
        {90, 60, 85, 66, 5.5},
        {90, 60, 90, 60, 0},
        {10, 2, 60, 40, 0},  // 1884: far fewer games, a better percentage: never -6
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(GamesBehind(c.leaderWins, c.leaderLosses, c.wins, c.losses), c.behind);

    const TeamList league = MakeDemoLeague();
    Season season = DemoSeason(league, 0);
    season.schedule = {{0, 1}, {1, 0}, {2, 1}, {0, 2}, {0, 3}, {3, 0}, {0, 3}};
    SeasonResults results;
    results.games = {{true, 5, 3}, {true, 2, 1}, {true, 0, 4}, {true, 1, 9},
                     {true, 1, 2}, {true, 1, 2}, {true, 3, 2}};
    // 1 is 2-1; 0 (3-3) and 2 (1-1) are .500, the one with more wins first.
    const std::vector<StandingRow> rows = LeagueStandings(season, results, {0, 1, 2, 3});
    std::vector<std::vector<int>> shown;
    for (const StandingRow& row : rows)
        shown.push_back({row.team, row.wins, row.losses, row.homeWins, row.awayWins,
                         static_cast<int>(2 * row.gamesBehind)});
    EXPECT_EQ(shown,
              (std::vector<std::vector<int>>{
                  {1, 2, 1, 1, 1, 0}, {0, 3, 3, 1, 2, 1}, {2, 1, 1, 1, 0, 1}, {3, 1, 2, 1, 0, 2}}));
}

TEST(SeasonRules, PitchingDecisions) {
    using Outings = std::vector<PitcherOuting>;
    const struct {
        Outings winners, losers;
        int margin;
        PitchingDecisions wanted;
    } cases[] = {
        {{{27, 2}}, {{24, 3}}, 1, {0, 0, -1}},                   // complete games
        {{{15, 2}, {12, 1}}, {{24, 3}}, 1, {0, 0, 1}},           // five innings win; save
        {{{8, 2}, {10, 0}, {3, 0}}, {{24, 3}}, 3, {1, 0, 2}},    // most outs wins; save at 3 runs
        {{{8, 2}, {10, 0}, {3, 0}}, {{24, 3}}, 4, {1, 0, -1}},   // no save at 4 runs
        {{{15, 2}, {10, 0}, {2, 0}}, {{24, 3}}, 1, {0, 0, -1}},  // no save with 2 outs
        {{{9, 2}, {18, 0}}, {{12, 3}, {12, 4}, {3, 4}}, 1, {1, 1, -1}},  // the winner closed
    };
    for (const auto& c : cases) {
        const PitchingDecisions got = DecidePitching(c.winners, c.losers, c.margin);
        EXPECT_EQ((std::vector<int>{got.winner, got.loser, got.save}),
                  (std::vector<int>{c.wanted.winner, c.wanted.loser, c.wanted.save}));
    }
}

TEST(SeasonRules, LeadersMinimums) {
    // Three team games: AVG needs 9.3 plate appearances, ERA 9 outs.
    const struct {
        int atBats, walks, outs;
        bool average, era;
    } cases[] = {
        {9, 0, 9, false, true},
        {8, 2, 8, true, false},
        {0, 10, 0, false, false},
        {10, 0, 12, true, true},
    };
    for (const auto& c : cases) {
        BattingTotals batting;
        batting.atBats = c.atBats, batting.walks = c.walks;
        PitchingTotals pitching;
        pitching.outs = c.outs;
        EXPECT_EQ(QualifiesForAverage(batting, 3), c.average) << c.atBats << " " << c.walks;
        EXPECT_EQ(QualifiesForEra(pitching, 3), c.era) << c.outs;
    }
    std::vector<PlayerSeason> players(4);
    players[0].batting.atBats = 10, players[0].batting.hits = 3, players[0].batting.homeRuns = 2;
    players[1].batting.atBats = 10, players[1].batting.hits = 4, players[1].team = 1;
    players[2].batting.homeRuns = 2, players[2].pitching.outs = 9, players[2].pitching.runs = 2;
    players[3].pitching.outs = 8;
    const auto tables = Leaders(players, {true, false}, {3, 3}, 5);
    std::vector<std::string> shown;
    for (const LeagueLeaders& table : tables)
        for (const Leader& leader : table.leaders)
            shown.push_back(table.title + std::to_string(leader.player) + "=" +
                            std::to_string(leader.value).substr(0, 4));
    // Player 1's team is not in the league; a tie keeps the players' order.
    EXPECT_EQ(shown, (std::vector<std::string>{"AVG0=0.30", "HR0=2.00", "HR2=2.00", "ERA2=6.00"}));
}

// Both files or neither: a second file that cannot be written puts the first back.
TEST(SeasonCsv, PairWrittenWholeOrNotAtAll) {
    testing::TempDir dir;
    const auto old = dir / "s.csv", fresh = dir / "new.csv", nowhere = dir / "no/p.csv";
    testing::WriteBytes(old, "old\n");
    EXPECT_FALSE(WriteCsvPair(old, "a\n", nowhere, "b\n").ok());
    EXPECT_FALSE(WriteCsvPair(fresh, "a\n", nowhere, "b\n").ok());
    std::string kept;
    EXPECT_TRUE(ReadFileBytes(old, kept) && kept == "old\n");
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Rows for the demo league's first eight clubs, made from their records: a position
// player started his games at his first position, a pitcher with long outings started
// them, the others relieved (the most saves finished games).
std::vector<PlayerUsage> RowsOf(const Season& season) {
    std::vector<PlayerUsage> rows;
    for (const SeasonTeam& entry : season.teams) {
        for (const auto& player : entry.team->players) {
            PlayerUsage& row = rows.emplace_back();
            row.team = entry.team->name, row.player = player->name;
            row.games = row.gamesStarted = player->games;
            row.atBats = player->atBats, row.hits = EffectiveHits(*player);
            row.bats = row.throws = player->games % 2 ? 'L' : 'R';
            const PitchingLine* line = player->pitching.get();
            if (!line) {
                const std::pair<int, int*> places[] = {
                    {Catcher, &row.gamesCatcher},   {FirstBase, &row.gamesFirst},
                    {SecondBase, &row.gamesSecond}, {Shortstop, &row.gamesShort},
                    {ThirdBase, &row.gamesThird},   {Outfield, &row.gamesLeft}};
                for (auto [bit, games] : places)
                    if (player->HasPosition(static_cast<std::uint8_t>(bit))) {
                        *games = player->games;
                        break;
                    }
                continue;
            }
            const bool starter = line->inningsPitched > 3 * line->games;
            row.gamesPitcher = row.pitchGames = row.games = line->games;
            row.pitchStarts = starter ? line->games : 0;
            row.gamesFinished = starter ? 0 : line->games / 2;
            row.saves = line->saves;
            row.outsPitched = 3 * line->inningsPitched;
        }
    }
    return rows;
}

TEST(SeasonUsage, PlannedSeasonAloneForAnyWorkersAndUsesItsStaff) {
    const TeamList league = MakeDemoLeague();
    Season season = DemoSeason(league, 30);
    std::string note;
    const std::vector<PlayerUsage> rows = RowsOf(season);
    season.usage = PlanSeasonUsage(season, rows, note);
    ASSERT_TRUE(season.usage) << note;
    SeasonResults one, two;
    SeasonRunOptions run;
    run.seed = 5, run.jobs = 1;
    ASSERT_TRUE(PlaySeason(season, run, one));
    run.jobs = 2;
    ASSERT_TRUE(PlaySeason(season, run, two));
    int relieved = 0, pitchersBatting = 0;
    for (std::size_t p = 0; p < one.players.size(); ++p) {
        const PlayerSeason& a = one.players[p];
        EXPECT_EQ(a.batting.plateAppearances, two.players[p].batting.plateAppearances);
        EXPECT_EQ(a.pitching.outs, two.players[p].pitching.outs);
        EXPECT_LE(a.pitching.starts, 30 / 5 + 1);
        relieved += a.pitching.games - a.pitching.starts;
        const PlayerRecord& record = *season.teams[a.team].team->players[a.player];
        if (season.teams[a.team].league == "AL" && record.HasPosition(Pitcher))
            pitchersBatting += a.batting.plateAppearances;
    }
    EXPECT_GT(relieved, 0);
    EXPECT_EQ(pitchersBatting, 0);
    Season other = DemoSeason(league, 2);
    other.teams.front().team = league.back().get();
    EXPECT_FALSE(PlanSeasonUsage(other, rows, note));
    EXPECT_NE(note.find(league.back()->name), std::string::npos) << note;
}

}  // namespace
}  // namespace velmoro
