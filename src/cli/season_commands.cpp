#include "cli/season_commands.h"

#include <fmt/format.h>

#include <cstdio>

#include "campaign/season_export.h"
#include "campaign/season_text.h"
#include "cli/progress.h"
#include "db/install_dir.h"
#include "season/season_report.h"

namespace velmoro {

namespace {

constexpr int kLeadersShown = 5;

void Say(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

void ReportSeasonError(const std::string& text) {
    std::fprintf(stderr, "velmoro-season: %s\n", text.c_str());
}

std::unique_ptr<ManagedSeason> OpenSeasonOrSay(
    const std::filesystem::path& file, const std::optional<std::filesystem::path>& directory) {
    std::unique_ptr<ManagedSeason> season;
    Status opened = ManagedSeason::Open(file, season);
    if (opened && directory) opened = season->SetDirectory(std::filesystem::absolute(*directory));
    if (!opened) {
        ReportSeasonError(opened.message());
        return nullptr;
    }
    return season;
}

int RunSeasonNew(const SeasonNewCommand& command) {
    NewSeasonOptions options = command.options;
    if (options.directory.empty()) options.directory = InstallDirectory();
    std::unique_ptr<ManagedSeason> season;
    std::vector<std::string> notes;
    const Status created = ManagedSeason::Create(command.file, options, season, &notes);
    for (const std::string& note : notes)
        ReportSeasonError(fmt::format("{} season, left out: {}", options.year, note));
    if (!created) {
        ReportSeasonError(created.message());
        return kSeasonFailed;
    }
    Say(fmt::format("{}: {} clubs, {} games over {} days, {} engine, seed {}\n",
                    command.file.string(), season->season().teams.size(), season->Games().size(),
                    season->DayCount(), EngineName(season->Engine()), season->Seed()));
    return kSeasonOk;
}

int RunSeasonSim(const SeasonSimCommand& command) {
    auto season = OpenSeasonOrSay(command.file, command.directory);
    if (!season) return kSeasonFailed;
    SeasonSimOptions options;
    options.days = command.days, options.toEnd = command.toEnd, options.jobs = command.jobs;
    std::unique_ptr<ProgressBar> progress;
    options.progress = [&](int done, int total) {
        if (!progress)
            progress = std::make_unique<ProgressBar>("Season", static_cast<std::size_t>(total),
                                                     !command.quiet);
        progress->Update(static_cast<std::size_t>(done));
    };
    SimOutcome outcome;
    const Status played = season->Sim(options, outcome);
    if (progress && played) progress->Finish();
    progress.reset();
    if (!played) {
        ReportSeasonError(played.message());
        return kSeasonFailed;
    }
    Say(fmt::format("{} games played\n", outcome.gamesPlayed) + SeasonStatusText(*season));
    return kSeasonOk;
}

int RunSeasonStandings(const std::filesystem::path& file) {
    auto season = OpenSeasonOrSay(file);
    if (!season) return kSeasonFailed;
    std::string out = SeasonStatusText(*season);
    for (const std::vector<int>& league : season->Leagues())
        out += "\n" + StandingsText(season->season(), season->results(), league);
    Say(out);
    return kSeasonOk;
}

int RunSeasonLeaders(const std::filesystem::path& file) {
    auto season = OpenSeasonOrSay(file);
    if (!season) return kSeasonFailed;
    std::string out = SeasonStatusText(*season);
    for (const std::vector<int>& league : season->Leagues())
        out += fmt::format("\n{} ", season->season().teams[league.front()].league) +
               LeadersText(season->season(), season->results(), league, kLeadersShown);
    Say(out);
    return kSeasonOk;
}

int RunSeasonBox(const std::filesystem::path& file, int game) {
    auto season = OpenSeasonOrSay(file);
    if (!season) return kSeasonFailed;
    BoxScore box;
    if (Status read = season->ReadBoxScore(game - 1, box); !read) {
        ReportSeasonError(read.message());
        return kSeasonFailed;
    }
    Say(BoxScoreText(*season, box));
    return kSeasonOk;
}

int RunSeasonSchedule(const std::filesystem::path& file, std::optional<int> day) {
    auto season = OpenSeasonOrSay(file);
    if (!season) return kSeasonFailed;
    std::string out;
    for (const SeasonGame& game : season->Games())
        if (!day || game.day == *day - 1) out += GameLineText(*season, game);
    Say(out);
    return kSeasonOk;
}

int RunSeasonExport(const SeasonExportCommand& command) {
    auto season = OpenSeasonOrSay(command.file);
    if (!season) return kSeasonFailed;
    const Status written = command.csv ? WriteSeasonCsvFiles(*season, *command.csv)
                                       : WriteSeasonSite(*season, *command.html);
    if (!written) {
        ReportSeasonError(written.message());
        return kSeasonFailed;
    }
    return kSeasonOk;
}

}  // namespace velmoro
