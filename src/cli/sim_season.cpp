// velmoro-sim --season / --all-seasons: whole seasons replayed on every core, printed
// beside the real standings.
#include <fmt/format.h>

#include <cstdio>

#include <fmt/ranges.h>

#include "base/parallel.h"
#include "cli/progress.h"
#include "cli/sim.h"
#include "cli/sim_replays.h"
#include "db/csv.h"
#include "db/file_write.h"
#include "db/install_dir.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "realistic/realistic.h"
#include "season/realism.h"
#include "season/season_report.h"
#include "season/season_teams.h"
#include "season/season_usage.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 3;
// Seasons a worker takes in each batch of the replay of every season.
constexpr std::size_t kSeasonsPerWorker = 4;

void Say(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void Warn(const std::string& text) {
    std::fprintf(stderr, "velmoro-sim: %s\n", text.c_str());
}

// What a run plays beyond a single classic replay, which prints as it always has: the
// realistic engine or more replays bring the realism figures, and the heading names them.
bool Measured(const SeasonCommand& command) {
    return command.engine == EngineKind::Realistic || command.replays > 1;
}

// " 10 times on the realistic engine", or nothing for a single classic replay.
std::string HowReplayed(const SeasonCommand& command) {
    std::string text;
    if (command.replays > 1) text += fmt::format(" {} times", command.replays);
    if (command.engine == EngineKind::Realistic) text += " on the realistic engine";
    return text;
}

// The players' side file of the run, and whether the replay has said it plays without it.
struct UsageSource {
    std::vector<PlayerUsage> rows;
    std::string note;
    bool told = false;

    // Plans the season's usage; "" or why it has none. Seasons may be planned side by side.
    std::string Attach(Season& season) const {
        std::string why = note;
        if (!rows.empty()) season.usage = PlanSeasonUsage(season, rows, why);
        return season.usage ? std::string() : why;
    }
    // Says once, of all the seasons, that one plays without its plans.
    void Tell(const std::string& why) {
        if (why.empty() || told) return;
        told = true;
        Warn(why);
    }
};

// What a season's replay has to say on stderr, said in the order of the seasons.
struct SeasonNotes {
    std::vector<std::string> leftOut;
    std::string withoutUsage;
};

// What every replay of a run plays with.
struct SeasonRun {
    const SeasonCommand& command;
    const std::vector<SeasonRecord>& index;
    const TeamList& legend;
    std::shared_ptr<const RealisticData> realistic;
    UsageSource& usage;
};

// The year's season, each team or league it leaves out named on stderr; `figures`, when
// given, gets the realism figures of its replays.
Status ReplayYear(const SeasonRun& run, int year, Replays& replay, bool showProgress,
                  SeasonNotes& notes, RealismFigures* figures = nullptr) {
    const SeasonCommand& command = run.command;
    std::vector<std::string> leftOut;
    Season season;
    const Status chosen = SeasonFromIndex(run.index, run.legend, year, command.league,
                                          command.gamesPerTeam, season, leftOut);
    for (const std::string& note : leftOut)
        notes.leftOut.push_back(fmt::format("{} season, left out: {}", year, note));
    if (!chosen) return chosen;
    notes.withoutUsage = run.usage.Attach(season);
    ProgressBar progress(fmt::format("{} season", year),
                         season.schedule.size() * static_cast<std::size_t>(command.replays),
                         showProgress);
    std::size_t done = 0;
    SeasonRunOptions options;
    options.seed = command.seed;
    options.jobs = command.jobs;
    options.engine = command.engine;
    options.realistic = run.realistic;
    options.onGame = [&](int, const GameResult&) { progress.Update(++done); };
    RealismTally tally(season);
    const ReplayListener measure = [&](const SeasonResults& one) { tally.Add(one); };
    if (Status played =
            PlayReplays(season, options, command.replays, replay, figures ? measure : nullptr);
        !played)
        return Status::Error(fmt::format("{} season: {}", year, played.message()));
    if (figures) *figures = tally.Figures();
    progress.Finish();
    return OkStatus();
}

std::string LeagueText(const Replays& replay, const std::vector<int>& league) {
    if (replay.count > 1)
        return AveragedStandingsText(replay, league) + "\n" +
               AveragedLeadersText(replay, league, kLeadersShown) + "\n";
    return StandingsText(replay.season, replay.results, league) + "\n" +
           LeadersText(replay.season, replay.results, league, kLeadersShown) + "\n";
}

int RunOneSeason(const SeasonRun& run) {
    const SeasonCommand& command = run.command;
    Replays replay;
    RealismFigures figures;
    SeasonNotes notes;
    const Status replayed = ReplayYear(run, command.year, replay, !command.quiet, notes,
                                       Measured(command) ? &figures : nullptr);
    for (const std::string& note : notes.leftOut)
        Warn(note);
    run.usage.Tell(notes.withoutUsage);
    if (!replayed) {
        Warn(replayed.message());
        return kSimFailed;
    }
    Say(fmt::format("Season {} replayed{}, seed {}\n\n", command.year, HowReplayed(command),
                    command.seed));
    for (const std::vector<int>& league : SeasonLeagues(replay.season))
        Say(LeagueText(replay, league));
    Say(RealismText(AveragedRealism(replay)));
    if (Measured(command)) Say(RealismLine(figures));
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
    explicit AllSeasons(bool measured) : measured_(measured) {}

    void Add(int year, const Replays& replay, const RealismFigures& figures) {
        const Realism realism = AveragedRealism(replay);
        const std::size_t teams = replay.season.teams.size();
        const std::size_t games = replay.gamesPerReplay;
        const double difference = RunsDifferencePercent(realism);
        Say(
            fmt::format("{} {:>3} teams {:>5} games  correlation {:6.3f}  win difference {:5.1f}  "
                        "runs per game {:.2f} (real {:.2f}{})\n",
                        year, teams, games, realism.pctCorrelation, realism.meanWinDifference,
                        realism.simulatedRunsPerGame, realism.realRunsPerGame,
                        measured_ ? fmt::format(", {:+.1f}%", difference) : ""));
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
        if (!measured_) return;
        Say(RealismLine(figures));
        realism_.Add(figures);
    }

    bool Any() const { return teamsMeasured_ > 0; }

    std::string Summary() const {
        std::string text = fmt::format(
            "All seasons: {} team-seasons, correlation {:.3f} (mean over teams), mean "
            "difference in wins {:.1f}, runs per game {:.2f} simulated, {:.2f} real\n",
            teamsMeasured_, weightedCorrelation_ / teamsMeasured_, winDifference_ / teamsMeasured_,
            simRuns_ / simGames_, realRuns_ / realGames_);
        if (measured_) text += realism_.Text();
        return text;
    }

    // One line per season: the same figures.
    std::string Csv() const {
        std::string out;
        AppendCsvRecord(out, {"year", "teams", "games", "correlation", "win_difference",
                              "runs_per_game", "real_runs_per_game"});
        return out + csv_;
    }

  private:
    bool measured_;
    std::string csv_;
    double weightedCorrelation_ = 0, winDifference_ = 0;
    long teamsMeasured_ = 0;
    double simRuns_ = 0, realRuns_ = 0, simGames_ = 0, realGames_ = 0;
    RealismSummary realism_;
};

// Seasons are replayed side by side, a worker each: a season plans its usage in
// schedule order before its games, which would leave the other cores idle. They are
// reported in order, a batch at a time, and play the same for any number of workers.
int RunAllSeasons(const SeasonRun& run) {
    const SeasonCommand& command = run.command;
    const std::vector<int> years = IndexYears(run.index);
    if (Measured(command))
        Say(fmt::format("Every season replayed{}, seed {}\n", HowReplayed(command), command.seed));
    ProgressBar progress("Seasons", years.size(), !command.quiet);
    AllSeasons all(Measured(command));
    std::vector<int> skipped;
    const int workers = WorkerCount(command.jobs, static_cast<long>(years.size()));
    SeasonCommand alone = command;
    alone.jobs = 1;
    const SeasonRun each{alone, run.index, run.legend, run.realistic, run.usage};
    const std::size_t batch = static_cast<std::size_t>(workers) * kSeasonsPerWorker;
    for (std::size_t first = 0; first < years.size(); first += batch) {
        const std::size_t count = std::min(batch, years.size() - first);
        std::vector<Replays> replays(count);
        std::vector<RealismFigures> figures(count);
        std::vector<SeasonNotes> notes(count);
        std::vector<Status> done(count, OkStatus());
        RunParallel(static_cast<long>(count), workers, [&](int, long k) {
            const auto at = static_cast<std::size_t>(k);
            done[at] = ReplayYear(each, years[first + at], replays[at], false, notes[at],
                                  Measured(command) ? &figures[at] : nullptr);
            return true;
        });
        for (std::size_t k = 0; k < count; ++k) {
            for (const std::string& note : notes[k].leftOut)
                Warn(note);
            run.usage.Tell(notes[k].withoutUsage);
            if (done[k]) {
                all.Add(years[first + k], replays[k], figures[k]);
            } else {
                Warn(done[k].message());
                skipped.push_back(years[first + k]);
            }
            progress.Update(first + k + 1);
        }
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
    // The realistic engine's data reads the players' side file the usage plans have read.
    std::shared_ptr<const RealisticData> realistic;
    if (command.engine == EngineKind::Realistic)
        realistic = LoadRealisticData(teams, DataFileToRead(directory, kLegendFileName),
                                      usage.rows.empty() ? nullptr : &usage.rows);
    const SeasonRun run{command, index, teams.legendTeams, realistic, usage};
    return command.allSeasons ? RunAllSeasons(run) : RunOneSeason(run);
}

}  // namespace velmoro
