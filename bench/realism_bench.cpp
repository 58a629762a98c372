// How real the replays are: every season of a LegendDB (or one) replayed N times on an
// engine, with the realism figures of each season and of all of them. The calibration
// tool of the realistic engine:
//   realism_bench LEGENDDB [--engine classic|realistic] [--season YEAR] [--replays N]
//                 [--seed S] [--jobs J] [--player NAME] [--from YEAR]
#include <fmt/format.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/seed_mix.h"
#include "db/team_files.h"
#include "realistic/realistic.h"
#include "season/realism.h"
#include "season/season_teams.h"

namespace {

using namespace velmoro;

struct Options {
    std::filesystem::path database;
    EngineKind engine = EngineKind::Realistic;
    int season = 0, from = 0, replays = 1, jobs = 0;
    std::uint32_t seed = 7;
    std::string player;
};

bool Parse(int argc, char** argv, Options& options) {
    if (argc < 2) return false;
    options.database = argv[1];
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string flag = argv[i], value = argv[i + 1];
        if (flag == "--engine") {
            const auto kind = ParseEngineKind(value);
            if (!kind) return false;
            options.engine = *kind;
        } else if (flag == "--season") {
            options.season = std::atoi(value.c_str());
        } else if (flag == "--from") {
            options.from = std::atoi(value.c_str());
        } else if (flag == "--replays") {
            options.replays = std::max(1, std::atoi(value.c_str()));
        } else if (flag == "--seed") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (flag == "--jobs") {
            options.jobs = std::atoi(value.c_str());
        } else if (flag == "--player") {
            options.player = value;
        } else {
            return false;
        }
    }
    return true;
}

// The player's mean home runs over the replays of a season, when he played in it.
void ShowPlayer(const Season& season, const std::vector<SeasonResults>& replays,
                const std::string& name) {
    double homeRuns = 0, atBats = 0, hits = 0;
    bool found = false;
    for (const SeasonResults& results : replays) {
        for (const PlayerSeason& entry : results.players) {
            const PlayerRecord& player = *season.teams[entry.team].team->players[entry.player];
            if (player.name != name) continue;
            found = true;
            homeRuns += entry.batting.homeRuns;
            atBats += entry.batting.atBats;
            hits += entry.batting.hits;
        }
    }
    if (!found) return;
    const double n = static_cast<double>(replays.size());
    std::printf("  %s: %.1f HR, %.0f AB, AVG %.3f (mean of %zu replays)\n", name.c_str(),
                homeRuns / n, atBats / n, atBats > 0 ? hits / atBats : 0.0, replays.size());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: realism_bench LEGENDDB [--engine classic|realistic] "
                     "[--season YEAR] [--from YEAR] [--replays N] [--seed S] "
                     "[--jobs J] [--player NAME]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    TeamDatabase teams;
    std::string error;
    if (!ReadTeamFile(options.database, teams.legendTeams, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<SeasonRecord> index;
    if (!LoadSeasonIndex(SeasonIndexPathFor(options.database), index, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    SeasonRunOptions run;
    run.engine = options.engine;
    run.jobs = options.jobs;
    if (options.engine == EngineKind::Realistic)
        run.realistic = LoadRealisticData(teams, options.database);
    const auto loaded = std::chrono::steady_clock::now();
    RealismSummary summary;
    for (const int year : IndexYears(index)) {
        if ((options.season && year != options.season) || year < options.from) continue;
        Season season;
        std::vector<std::string> notes;
        if (!SeasonFromIndex(index, teams.legendTeams, year, "", 0, season, notes)) continue;
        RealismTally tally(season);
        std::vector<SeasonResults> replays;
        for (int r = 0; r < options.replays; ++r) {
            run.seed =
                r == 0 ? options.seed : ItemSeed(options.seed, static_cast<std::uint32_t>(r));
            SeasonResults results;
            if (!PlaySeason(season, run, results)) continue;
            tally.Add(results);
            if (!options.player.empty()) replays.push_back(std::move(results));
        }
        const RealismFigures figures = tally.Figures();
        summary.Add(figures);
        std::fputs(RealismLine(figures).c_str(), stdout);
        if (!options.player.empty()) ShowPlayer(season, replays, options.player);
    }
    const auto end = std::chrono::steady_clock::now();
    std::fputs(summary.Text().c_str(), stdout);
    std::printf("%s engine, %d replays, seed %u: loaded in %.2f s, played in %.2f s\n",
                EngineName(options.engine), options.replays, options.seed,
                std::chrono::duration<double>(loaded - start).count(),
                std::chrono::duration<double>(end - loaded).count());
    return 0;
}
