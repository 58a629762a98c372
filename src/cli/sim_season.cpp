// velmoro-sim --season / --all-seasons: whole seasons replayed on every core, printed
// beside the real standings.
#include <fmt/format.h>

#include <cstdio>

#include <fmt/ranges.h>

#include "cli/progress.h"
#include "cli/sim.h"
#include "db/csv.h"
#include "db/file_write.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "season/season_usage.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 3;

void Say(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void Warn(const std::string& text) {
    std::fprintf(stderr, "velmoro-sim: %s\n", text.c_str());
}

struct Replay {
    Season season;
    SeasonResults results;
};

// The players' side file of the run, and whether the replay has said it plays without it.
struct UsageSource {
    std::vector<PlayerUsage> rows;
    std::string note;
    bool told = false;

    void Attach(Season& season) {
        if (!rows.empty()) season.usage = PlanSeasonUsage(season, rows, note);
        if (!season.usage && !told) {
            told = true;
            Warn(note);
        }
    }
};

// The year's season, each team or league it leaves out named on stderr.
Status ReplayYear(const SeasonCommand& command, const std::vector<SeasonRecord>& index,
                  const TeamList& legend, int year, UsageSource& usage, Replay& replay,
                  bool showProgress) {
    std::vector<std::string> notes;
    const Status chosen = SeasonFromIndex(index, legend, year, command.league, command.gamesPerTeam,
                                          replay.season, notes);
    for (const std::string& note : notes)
        Warn(fmt::format("{} season, left out: {}", year, note));
    if (!chosen) return chosen;
    usage.Attach(replay.season);
    ProgressBar progress(fmt::format("{} season", year), replay.season.schedule.size(),
                         showProgress);
    std::size_t done = 0;
    SeasonRunOptions run;
    run.seed = command.seed;
    run.jobs = command.jobs;
    run.onGame = [&](int, const GameResult&) { progress.Update(++done); };
    if (Status played = PlaySeason(replay.season, run, replay.results); !played)
        return Status::Error(fmt::format("{} season: {}", year, played.message()));
    progress.Finish();
    return OkStatus();
}

int RunOneSeason(const SeasonCommand& command, const std::vector<SeasonRecord>& index,
                 const TeamList& legend, UsageSource& usage) {
    Replay replay;
    if (Status replayed =
            ReplayYear(command, index, legend, command.year, usage, replay, !command.quiet);
        !replayed) {
        Warn(replayed.message());
        return kSimFailed;
    }
    Say(fmt::format("Season {} replayed, seed {}\n\n", command.year, command.seed));
    for (const std::vector<int>& league : SeasonLeagues(replay.season))
        Say(StandingsText(replay.season, replay.results, league) + "\n" +
            LeadersText(replay.season, replay.results, league, kLeadersShown) + "\n");
    Say(RealismText(MeasureRealism(replay.season, replay.results)));
    if (!command.csv) return kSimOk;
    if (Status written = WriteSeasonCsv(*command.csv, replay.season, replay.results); !written) {
        Warn(written.message());
        return kSimFailed;
    }
    return kSimOk;
}

// The figures of every season replayed, weighted by its teams and games.
class AllSeasons {
  public:
    void Add(int year, const Replay& replay) {
        const Realism realism = MeasureRealism(replay.season, replay.results);
        const std::size_t teams = replay.season.teams.size();
        const std::size_t games = replay.season.schedule.size();
        Say(
            fmt::format("{} {:>3} teams {:>5} games  correlation {:6.3f}  win difference {:5.1f}  "
                        "runs per game {:.2f} (real {:.2f})\n",
                        year, teams, games, realism.pctCorrelation, realism.meanWinDifference,
                        realism.simulatedRunsPerGame, realism.realRunsPerGame));
        AppendCsvRecord(csv_, {std::to_string(year), std::to_string(teams), std::to_string(games),
                               fmt::format("{:.3f}", realism.pctCorrelation),
                               fmt::format("{:.1f}", realism.meanWinDifference),
                               fmt::format("{:.2f}", realism.simulatedRunsPerGame),
                               fmt::format("{:.2f}", realism.realRunsPerGame)});
        weightedCorrelation_ += realism.pctCorrelation * realism.teams;
        winDifference_ += realism.meanWinDifference * realism.teams;
        teamsMeasured_ += realism.teams;
        simRuns_ += realism.simulatedRunsPerGame * 2.0 * static_cast<double>(games);
        simGames_ += 2.0 * static_cast<double>(games);
        double realGames = 0;
        for (const SeasonTeam& team : replay.season.teams)
            realGames += team.realGames;
        realRuns_ += realism.realRunsPerGame * realGames;
        realGames_ += realGames;
    }

    bool Any() const { return teamsMeasured_ > 0; }

    std::string Summary() const {
        return fmt::format(
            "All seasons: {} team-seasons, correlation {:.3f} (mean over teams), mean "
            "difference in wins {:.1f}, runs per game {:.2f} simulated, {:.2f} real\n",
            teamsMeasured_, weightedCorrelation_ / teamsMeasured_, winDifference_ / teamsMeasured_,
            simRuns_ / simGames_, realRuns_ / realGames_);
    }

    // One line per season: the same figures.
    std::string Csv() const {
        std::string out;
        AppendCsvRecord(out, {"year", "teams", "games", "correlation", "win_difference",
                              "runs_per_game", "real_runs_per_game"});
        return out + csv_;
    }

  private:
    std::string csv_;
    double weightedCorrelation_ = 0, winDifference_ = 0;
    long teamsMeasured_ = 0;
    double simRuns_ = 0, realRuns_ = 0, simGames_ = 0, realGames_ = 0;
};

int RunAllSeasons(const SeasonCommand& command, const std::vector<SeasonRecord>& index,
                  const TeamList& legend, UsageSource& usage) {
    const std::vector<int> years = IndexYears(index);
    ProgressBar progress("Seasons", years.size(), !command.quiet);
    AllSeasons all;
    std::vector<int> skipped;
    for (std::size_t y = 0; y < years.size(); ++y) {
        Replay replay;
        if (Status replayed = ReplayYear(command, index, legend, years[y], usage, replay, false);
            replayed) {
            all.Add(years[y], replay);
        } else {
            Warn(replayed.message());
            skipped.push_back(years[y]);
        }
        progress.Update(y + 1);
    }
    if (skipped.empty()) progress.Finish();
    if (all.Any()) Say(all.Summary());
    int exit = kSimOk;
    if (!skipped.empty()) {
        Warn(fmt::format("{} season{} skipped: {}", skipped.size(), skipped.size() == 1 ? "" : "s",
                         fmt::join(skipped, ", ")));
        exit = kSimFailed;
    }
    if (!all.Any()) return kSimFailed;
    std::string error;
    if (command.csv && !ReplaceFileContents(*command.csv, all.Csv(), &error)) {
        Warn(error);
        return kSimFailed;
    }
    return exit;
}

}  // namespace

int RunSeasonCommand(const SeasonCommand& command, TeamDatabase& teams,
                     const std::filesystem::path& directory) {
    std::vector<SeasonRecord> index;
    std::string error;
    const std::filesystem::path indexPath = ReplayIndexPath(directory);
    if (!LoadSeasonIndex(indexPath, index, &error)) {
        Warn(error);
        return kSimFailed;
    }
    if (index.empty()) {
        Warn(indexPath.string() + " holds no season to replay");
        return kSimFailed;
    }
    UsageSource usage;
    usage.rows = LoadReplayUsage(directory, usage.note);
    return command.allSeasons ? RunAllSeasons(command, index, teams.legendTeams, usage)
                              : RunOneSeason(command, index, teams.legendTeams, usage);
}

}  // namespace velmoro
