// A managed season: 30 clubs of 162 games (2,430) simmed to the end with the computer
// managing every game, each written to the season file as it ends; and a finished
// season opened with its standings made.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "campaign/managed_season.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "import/demo_league.h"

namespace {

using namespace velmoro;

// An installation folder of thirty clubs from the demo league's sixteen, in two leagues.
struct ThirtyClubs {
    std::filesystem::path directory =
        std::filesystem::temp_directory_path() / "velmoro-managed-bench";

    ThirtyClubs() {
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        const TeamList demo = MakeDemoLeague();
        TeamList teams;
        std::vector<SeasonRecord> index;
        for (int t = 0; t < 30; ++t) {
            const TeamRecord& source = *demo[static_cast<std::size_t>(t) % demo.size()];
            TeamRecord& copy = AddTeam(teams, "2000 Club " + std::to_string(t));
            for (const auto& player : source.players)
                copy.AddPlayer(*player);
            index.push_back({copy.name, 2000, t < 15 ? "AL" : "NL", "", 162, 81, 81, 700, 700, 1});
        }
        if (!WriteTeamList(teams, directory / kLegendFileName, false) ||
            !WriteSeasonIndex(directory / "Seasons.csv", index))
            std::abort();
    }
    ~ThirtyClubs() { std::filesystem::remove_all(directory); }

    std::filesystem::path Played(std::uint32_t seed, int jobs) const {
        const auto file = directory / ("season-" + std::to_string(seed) + ".vsn");
        std::filesystem::remove(file);
        NewSeasonOptions options;
        options.directory = directory, options.year = 2000, options.seed = seed;
        std::unique_ptr<ManagedSeason> season;
        SimOutcome outcome;
        SeasonSimOptions sim;
        sim.toEnd = true, sim.jobs = jobs;
        if (!ManagedSeason::Create(file, options, season).ok() || !season->Sim(sim, outcome).ok() ||
            outcome.gamesPlayed != 2430)
            std::abort();
        return file;
    }
};

const ThirtyClubs& League() {
    static const ThirtyClubs league;
    return league;
}

void SimSeasonToEnd(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(League().Played(seed++, static_cast<int>(state.range(0))));
}
BENCHMARK(SimSeasonToEnd)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenFinishedSeasonStandings(benchmark::State& state) {
    static const std::filesystem::path file = League().Played(99, 2);
    for (auto _ : state) {
        std::unique_ptr<ManagedSeason> season;
        if (!ManagedSeason::Open(file, season).ok()) state.SkipWithError("not opened");
        for (const auto& league : season->Leagues())
            benchmark::DoNotOptimize(season->Standings(league));
    }
}
BENCHMARK(OpenFinishedSeasonStandings)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
