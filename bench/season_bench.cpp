// Season replay speed: a 162-game season of 30 teams (2,430 games) on every core, and the
// same on one worker, with each game set up as the wizard's defaults.
#include <benchmark/benchmark.h>

#include <string>

#include "import/demo_league.h"
#include "season/season.h"

namespace {

using namespace velmoro;

// Thirty clubs from the demo league's sixteen, in two leagues of fifteen.
struct ThirtyTeams {
    TeamList demo = MakeDemoLeague();
    TeamList teams;
    Season season;

    ThirtyTeams() {
        for (int t = 0; t < 30; ++t) {
            const TeamRecord& source = *demo[static_cast<std::size_t>(t) % demo.size()];
            TeamRecord& copy = AddTeam(teams, source.name + " " + std::to_string(t));
            for (const auto& player : source.players)
                copy.AddPlayer(*player);
            SeasonTeam entry;
            entry.team = &copy;
            entry.league = t < 15 ? "AL" : "NL";
            entry.realGames = 162;
            season.teams.push_back(entry);
        }
        season.year = 2000;
        season.designatedHitter = [](const std::string& league) { return league == "AL"; };
        ScheduleSeason(season, 0);
    }
};

void SeasonOf2430Games(benchmark::State& state) {
    static const ThirtyTeams league;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        SeasonResults results;
        SeasonRunOptions options;
        options.seed = seed++;
        options.jobs = static_cast<int>(state.range(0));
        if (!PlaySeason(league.season, options, results).ok())
            state.SkipWithError("the season could not be played");
        benchmark::DoNotOptimize(results.games.data());
    }
    state.counters["games"] = static_cast<double>(league.season.schedule.size());
}
BENCHMARK(SeasonOf2430Games)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
