#include "campaign/season_export.h"

#include "db/csv.h"
#include "db/file_write.h"
#include "season/season_report.h"

namespace velmoro {

Status WriteSeasonCsvFiles(ManagedSeason& season, const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) return Status::Error(CannotWriteMessage(directory, error.message()));
    if (Status written =
            WriteSeasonCsv(directory / "standings.csv", season.season(), season.results());
        !written)
        return written;
    std::string games;
    AppendCsvRecord(games, {"game", "day", "date", "visitor", "home", "visitor_runs", "home_runs"});
    for (const SeasonGame& game : season.Games()) {
        const auto& teams = season.season().teams;
        AppendCsvRecord(games, {std::to_string(game.id + 1), std::to_string(game.day + 1),
                                season.DateText(game.day), teams[game.visitor].team->name,
                                teams[game.home].team->name,
                                game.played ? std::to_string(game.visitorRuns) : "",
                                game.played ? std::to_string(game.homeRuns) : ""});
    }
    std::string reason;
    if (!ReplaceFileContents(directory / "games.csv", games, &reason)) return Status::Error(reason);
    return OkStatus();
}

}  // namespace velmoro
