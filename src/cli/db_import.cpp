// import-season, import-lahman and demo: the three ways to fill LegendDB.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "cli/db_commands.h"
#include "cli/db_lineup_figures.h"
#include "cli/progress.h"
#include "db/club_season.h"
#include "db/file_write.h"
#include "db/install_dir.h"
#include "db/player_usage.h"
#include "db/season_index.h"
#include "db/team_files.h"
#include "import/demo_league.h"
#include "import/import_season.h"
#include "import/lahman_club_files.h"
#include "import/lahman_import.h"

namespace velmoro {

int RunImportSeason(const std::string& sourceDir, const std::optional<std::string>& installDir) {
    std::filesystem::path from =
        installDir ? std::filesystem::path(*installDir) : InstallDirectory();
    // A folder that is not there would skip every club file and still rewrite LegendDB.
    std::error_code folderError;
    const auto type = std::filesystem::status(sourceDir, folderError).type();
    if (type != std::filesystem::file_type::directory) {
        const std::string reason = type == std::filesystem::file_type::not_found
                                       ? SystemReason(ENOENT)
                                   : folderError ? folderError.message()
                                                 : "not a folder";
        fmt::print(stderr, "velmoro-db: {}\n", CannotReadMessage(sourceDir, reason));
        return 1;
    }
    TeamDatabase db;
    std::string error;
    if (!ReadTeamFile(from / kLegendFileName, db.legendTeams, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", CannotReadMessage(from / kLegendFileName, error));
        return 1;
    }
    SeasonImportResult result = ImportSeasonTeams(db, sourceDir);
    for (const std::string& warning : result.warnings)
        fmt::print(stderr, "velmoro-db: {}\n", warning);
    // The season import writes to the working directory, never over the installed file.
    if (!WriteTeamList(db.legendTeams, kLegendFileName, false, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", error);
        return 1;
    }
    fmt::print("{} new teams, {} teams replaced, {} club files skipped; wrote {}\n",
               result.newTeams, result.replacedTeams, result.skippedFiles.size(), kLegendFileName);
    return 0;
}

namespace {

void ReportPlayable(const TeamList& teams) {
    std::vector<std::string> unplayable;
    std::size_t players = 0;
    for (const auto& team : teams) {
        players += team->players.size();
        if (!IsTeamPlayable(team.get())) unplayable.push_back(team->name);
    }
    fmt::print("{} teams, {} players, {} unplayable teams", teams.size(), players,
               unplayable.size());
    if (!unplayable.empty()) fmt::print(": {}", fmt::join(unplayable, ", "));
    fmt::print("\n");
}

// Players.csv and Clubs.csv beside the database.
Status WriteSideFiles(const std::filesystem::path& database,
                      const std::vector<PlayerUsage>& players,
                      const std::vector<ClubSeason>& clubs) {
    if (Status written = WritePlayerUsage(PlayerUsagePathFor(database), players); !written)
        return written;
    return WriteClubSeasons(ClubSeasonPathFor(database), clubs);
}

// Side files of an earlier import would not match the new database.
void RemoveSideFiles(const std::filesystem::path& database) {
    std::error_code ignored;
    std::filesystem::remove(PlayerUsagePathFor(database), ignored);
    std::filesystem::remove(ClubSeasonPathFor(database), ignored);
}

}  // namespace

int RunImportLahman(const LahmanOptions& options) {
    LahmanImportOptions import;
    if (options.clubFilesDir) {
        if (!options.season) {
            std::fputs("velmoro-db: --club-files needs --season YEAR\n", stderr);
            return 2;
        }
        import.fromYear = import.toYear = *options.season;
    } else {
        if (options.outFile.empty()) {
            std::fputs("velmoro-db: import-lahman needs -o FILE or --club-files DIR\n", stderr);
            return 2;
        }
        if (options.fromYear) import.fromYear = *options.fromYear;
        if (options.toYear) import.toYear = *options.toYear;
    }
    ProgressBar bar("Reading the Lahman tables", 100, !options.quiet);
    import.progress = [&](std::size_t done, std::size_t total) { bar.Update(done * 100 / total);
};
TeamList teams;
LahmanImportResult result;
std::string error;
const bool imported = ImportLahman(options.csvDir, import, teams, &result, &error);
bar.Finish();
for (const std::string& warning : result.warnings)
    fmt::print(stderr, "velmoro-db: {}\n", warning);
for (const std::string& season : result.leftOut)
    fmt::print(stderr, "velmoro-db: {}\n", season);
if (!imported) {
    fmt::print(stderr, "velmoro-db: {}\n", error);
    return 1;
}
if (teams.empty()) {
    std::fputs("velmoro-db: no team-seasons in the chosen years\n", stderr);
    return 1;
}
if (options.clubFilesDir) {
    if (!WriteClubFiles(teams, *options.clubFilesDir, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", error);
        return 1;
    }
    ReportPlayable(teams);
    return 0;
}
if (!WriteTeamList(teams, options.outFile, false, &error)) {
    fmt::print(stderr, "velmoro-db: {}\n", error);
    return 1;
}
std::vector<SeasonRecord> standings;
for (const LahmanSeason& season : result.seasons)
    standings.push_back(season.standing);
if (Status written = WriteSeasonIndex(SeasonIndexPathFor(options.outFile), standings); !written) {
    fmt::print(stderr, "velmoro-db: {}\n", written.message());
    return 1;
}
if (!result.noSideFiles.empty()) {
    fmt::print(stderr, "velmoro-db: {}: no side files written\n", result.noSideFiles);
    RemoveSideFiles(options.outFile);
} else if (Status written = WriteSideFiles(options.outFile, result.players, result.clubs);
           !written) {
    fmt::print(stderr, "velmoro-db: {}\n", written.message());
    return 1;
}
ReportPlayable(teams);
PrintLineupFigures(MeasureDefaultLineups(teams, result.seasons), stdout);
return 0;
}  // namespace velmoro

int RunDemo(const std::string& outFile) {
    std::string error;
    if (!WriteTeamList(MakeDemoLeague(), outFile, false, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", error);
        return 1;
    }
    if (Status written = WriteSeasonIndex(SeasonIndexPathFor(outFile), MakeDemoStandings());
        !written) {
        fmt::print(stderr, "velmoro-db: {}\n", written.message());
        return 1;
    }
    if (Status written = WriteSideFiles(outFile, MakeDemoPlayerUsage(), MakeDemoClubSeasons());
        !written) {
        fmt::print(stderr, "velmoro-db: {}\n", written.message());
        return 1;
    }
    return 0;
}

int RunLineupReport(const std::string& legendFile, const std::string& csvDir) {
    TeamList teams;
    std::string error;
    if (!ReadTeamFile(legendFile, teams, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", CannotReadMessage(legendFile, error));
        return 1;
    }
    // The import names its teams and players as the database does, so its regulars
    // are found in the file by name.
    TeamList imported;
    LahmanImportResult result;
    if (!ImportLahman(csvDir, {}, imported, &result, &error)) {
        fmt::print(stderr, "velmoro-db: {}\n", error);
        return 1;
    }
    imported.clear();
    const LineupFigures figures = MeasureDefaultLineups(teams, result.seasons);
    if (figures.teams == 0) {
        fmt::print(stderr, "velmoro-db: no team of {} is a season of {}\n", legendFile, csvDir);
        return 1;
    }
    PrintLineupFigures(figures, stdout);
    return 0;
}

}  // namespace velmoro
