// Seasons on the realistic engine: the same replay for any number of workers, and
// replays of the demo league that come near its invented runs and its players' batting.
// (The invented standings draw each club's strength apart from its players, so the
// winning percentages have nothing to follow.)
#include <gtest/gtest.h>

#include "import/demo_league.h"
#include "realistic/realistic.h"
#include "realistic/realistic_data.h"
#include "season/realism.h"
#include "season/season_teams.h"
#include "season/season_usage.h"

namespace velmoro {
namespace {

// The demo league's last season with its invented side files: the clubs' usage plans
// and the model's league, park and player rates.
struct DemoSeason {
    TeamDatabase database{MakeDemoLeague(), {}};
    std::vector<SeasonRecord> standings = MakeDemoStandings();
    std::vector<PlayerUsage> rows = MakeDemoPlayerUsage();
    std::vector<ClubSeason> clubs = MakeDemoClubSeasons();
    Season season;
    std::shared_ptr<const RealisticData> data;

    DemoSeason() {
        std::vector<std::string> notes;
        const int year = IndexYears(standings).back();
        EXPECT_TRUE(
            SeasonFromIndex(standings, database.legendTeams, year, "", 0, season, notes).ok());
        std::vector<const TeamRecord*> legend;
        for (const auto& team : database.legendTeams)
            legend.push_back(team.get());
        data = BuildRealisticData(legend, {&standings, &clubs, &rows});
        std::string note;
        season.usage = PlanSeasonUsage(season, rows, note);
        EXPECT_TRUE(season.usage) << note;
    }

    SeasonResults Play(std::uint32_t seed, int jobs) const {
        SeasonRunOptions options;
        options.seed = seed;
        options.jobs = jobs;
        options.engine = EngineKind::Realistic;
        options.realistic = data;
        SeasonResults results;
        EXPECT_TRUE(PlaySeason(season, options, results).ok());
        return results;
    }
};

TEST(RealisticSeason, SameReplayForAnyNumberOfWorkers) {
    const DemoSeason demo;
    const SeasonResults one = demo.Play(7, 1), three = demo.Play(7, 3);
    ASSERT_EQ(one.games.size(), three.games.size());
    for (std::size_t g = 0; g < one.games.size(); ++g) {
        EXPECT_EQ(one.games[g].visitorRuns, three.games[g].visitorRuns) << g;
        EXPECT_EQ(one.games[g].homeRuns, three.games[g].homeRuns) << g;
    }
    for (std::size_t p = 0; p < one.players.size(); ++p)
        EXPECT_EQ(one.players[p].batting.homeRuns, three.players[p].batting.homeRuns) << p;
}

// The replay's clubs steal about as often as their players did, their position players
// come off the bench about as often, and the regulars bat about as often as they did.
void ExpectRealUsage(const DemoSeason& demo, const SeasonResults& replay) {
    double stolen = 0, realStolen = 0, regulars = 0, near = 0, ratio = 0;
    for (const PlayerSeason& line : replay.players) {
        const SeasonTeam& team = demo.season.teams[static_cast<std::size_t>(line.team)];
        const PlayerRecord& record = *team.team->players[static_cast<std::size_t>(line.player)];
        stolen += line.batting.stolenBases;
        realStolen += record.stolenBases;
        const int real = record.atBats + record.walks;
        if (real < 300) continue;
        ++regulars;
        ratio += static_cast<double>(line.batting.plateAppearances) / real;
        near += std::abs(line.batting.plateAppearances - real) <= 0.15 * real;
    }
    double bench = 0, realBench = 0;
    for (const PlayerSeason& line : replay.players)
        if (!demo.season.teams[static_cast<std::size_t>(line.team)]
                 .team->players[static_cast<std::size_t>(line.player)]
                 ->pitching)
            bench += line.batting.games - line.batting.starts;
    for (const PlayerUsage& row : demo.rows)
        if (row.gamesPitcher == 0) realBench += std::max(0, row.games - row.gamesStarted);
    EXPECT_NEAR(bench / realBench, 1.0, 0.35);
    EXPECT_NEAR(stolen / realStolen, 1.0, 0.25);
    EXPECT_NEAR(ratio / regulars, 1.0, 0.08);
    EXPECT_GT(near / regulars, 0.8);
}

TEST(RealisticSeason, DemoReplaysComeNearTheInventedSeason) {
    const DemoSeason demo;
    RealismTally tally(demo.season);
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        const SeasonResults replay = demo.Play(seed, 0);
        if (seed == 1) ExpectRealUsage(demo, replay);
        tally.Add(replay);
    }
    const RealismFigures figures = tally.Figures();
    EXPECT_EQ(figures.replays, 4);
    EXPECT_NEAR(DifferencePercent(figures.simulatedRunsPerGame, figures.realRunsPerGame), 0, 15);
    // The engine against the real lines of the players it used, in the shares it used them.
    EXPECT_NEAR(DifferencePercent(figures.simulated.average, figures.expected.average), 0, 2);
    EXPECT_NEAR(DifferencePercent(figures.simulated.homeRuns, figures.expected.homeRuns), 0, 5);
    EXPECT_NEAR(DifferencePercent(figures.simulated.walks, figures.expected.walks), 0, 5);
    EXPECT_NEAR(DifferencePercent(figures.simulated.strikeouts, figures.expected.strikeouts), 0, 5);
    EXPECT_GT(Correlation(figures.homeRuns), 0.8);
}

TEST(RealisticSeason, CorrelationAndDifferenceEdges) {
    struct Case {
        FigurePairs pairs;
        double expected;
    };
    const Case cases[] = {{{}, 0},
                          {{{1, 2}}, 0},
                          {{{1, 1}, {2, 2}, {3, 3}}, 1},
                          {{{1, 3}, {2, 2}, {3, 1}}, -1},
                          {{{1, 5}, {2, 5}, {3, 5}}, 0}};
    for (const Case& c : cases)
        EXPECT_NEAR(Correlation(c.pairs), c.expected, 1e-12);
    EXPECT_EQ(DifferencePercent(1, 0), 0);
    EXPECT_NEAR(DifferencePercent(4.4, 4.0), 10, 1e-9);
}

}  // namespace
}  // namespace velmoro
