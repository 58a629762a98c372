// velmoro-sim --season / --all-seasons: whole seasons replayed on every core, printed
// beside the real standings.
#include <fmt/format.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "db/season_index.h"
#include "db/team_files.h"
#include "progress.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "sim.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 3;

void Say(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

struct Replay {
    Season season;
    SeasonResults results;
};

bool ReplayYear(const SeasonCommand& command, const std::vector<SeasonRecord>& index,
                const TeamList& legend, int year, Replay& replay, bool showProgress) {
    std::vector<std::string> skipped;
    std::string error;
    if (!SeasonFromIndex(index, legend, year, command.league, replay.season, skipped, &error)) {
        std::fprintf(stderr, "velmoro-sim: %s\n", error.c_str());
        return false;
    }
    for (const std::string& name : skipped)
        std::fprintf(stderr, "velmoro-sim: %d: \"%s\" cannot be fielded and sits the season out\n",
                     year, name.c_str());
    ScheduleSeason(replay.season, command.gamesPerTeam);
    ProgressBar progress(fmt::format("{} season", year), replay.season.schedule.size(),
                         showProgress);
    std::size_t done = 0;
    SeasonRunOptions run;
    run.seed = command.seed;
    run.jobs = command.jobs;
    run.onGame = [&](int, const GameResult&) { progress.Update(++done); };
    if (!PlaySeason(replay.season, run, replay.results, &error)) {
        std::fprintf(stderr, "velmoro-sim: %d: %s\n", year, error.c_str());
        return false;
    }
    progress.Finish();
    return true;
}

}  // namespace

int RunSeasonCommand(const SeasonCommand& command, TeamDatabase& teams,
                     const std::filesystem::path& directory) {
    std::vector<SeasonRecord> index;
    std::string error;
    if (!LoadSeasonIndex(directory / kSeasonIndexFileName, index, &error)) {
        std::fprintf(stderr, "velmoro-sim: %s\n", error.c_str());
        return kSimFailed;
    }
    if (!command.allSeasons) {
        Replay replay;
        if (!ReplayYear(command, index, teams.legendTeams, command.year, replay, !command.quiet))
            return kSimFailed;
        Say(fmt::format("Season {} replayed, seed {}\n\n", command.year, command.seed));
        for (const std::vector<int>& league : SeasonLeagues(replay.season))
            Say(StandingsText(replay.season, replay.results, league) + "\n" +
                LeadersText(replay.season, replay.results, league, kLeadersShown) + "\n");
        Say(RealismText(MeasureRealism(replay.season, replay.results)));
        if (command.csv && !WriteSeasonCsv(*command.csv, replay.season, replay.results, &error)) {
            std::fprintf(stderr, "velmoro-sim: %s\n", error.c_str());
            return kSimFailed;
        }
        return kSimOk;
    }
    // Every season: one line each, then the figures over all of them.
    const std::vector<int> years = IndexYears(index);
    ProgressBar progress("Seasons", years.size(), !command.quiet);
    double weightedCorrelation = 0, winDifference = 0;
    long teamsMeasured = 0;
    double simRuns = 0, realRuns = 0, simGames = 0, realGames = 0;
    for (std::size_t y = 0; y < years.size(); ++y) {
        Replay replay;
        if (!ReplayYear(command, index, teams.legendTeams, years[y], replay, false)) continue;
        const Realism realism = MeasureRealism(replay.season, replay.results);
        Say(
            fmt::format("{} {:>3} teams {:>5} games  correlation {:6.3f}  win difference {:5.1f}  "
                        "runs per game {:.2f} (real {:.2f})\n",
                        years[y], replay.season.teams.size(), replay.season.schedule.size(),
                        realism.pctCorrelation, realism.meanWinDifference,
                        realism.simulatedRunsPerGame, realism.realRunsPerGame));
        weightedCorrelation += realism.pctCorrelation * realism.teams;
        winDifference += realism.meanWinDifference * realism.teams;
        teamsMeasured += realism.teams;
        const double games = 2.0 * static_cast<double>(replay.season.schedule.size());
        simRuns += realism.simulatedRunsPerGame * games;
        simGames += games;
        double seasonRealGames = 0;
        for (const SeasonTeam& team : replay.season.teams)
            seasonRealGames += team.realGames;
        realRuns += realism.realRunsPerGame * seasonRealGames;
        realGames += seasonRealGames;
        progress.Update(y + 1);
    }
    progress.Finish();
    if (teamsMeasured == 0) return kSimFailed;
    Say(
        fmt::format("All seasons: {} team-seasons, correlation {:.3f} (mean over teams), mean "
                    "difference in wins {:.1f}, runs per game {:.2f} simulated, {:.2f} real\n",
                    teamsMeasured, weightedCorrelation / teamsMeasured,
                    winDifference / teamsMeasured, simRuns / simGames, realRuns / realGames));
    return kSimOk;
}

}  // namespace velmoro
