// import-season, import-lahman and demo: the three ways to fill LegendDB.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "db/install_dir.h"
#include "db/team_files.h"
#include "db_commands.h"
#include "import/demo_league.h"
#include "import/import_season.h"
#include "import/lahman_club_files.h"
#include "import/lahman_import.h"
#include "progress.h"

namespace velmoro {

int RunImportSeason(const std::string& sourceDir, const std::optional<std::string>& installDir) {
    std::filesystem::path from =
        installDir ? std::filesystem::path(*installDir) : InstallDirectory();
    TeamDatabase db;
    std::string error;
    if (!ReadTeamFile(from / kLegendFileName, db.legendTeams, &error)) {
        fmt::print(stderr, "velmoro-db: cannot read {}: {}\n", (from / kLegendFileName).string(),
                   error);
        return 1;
    }
    SeasonImportResult result = ImportSeasonTeams(db, sourceDir);
    for (const std::string& warning : result.warnings)
        fmt::print(stderr, "velmoro-db: {}\n", warning);
    // The season import writes to the working directory, never over the installed file.
    if (!WriteTeamList(db.legendTeams, kLegendFileName, false, &error)) {
        fmt::print(stderr, "velmoro-db: cannot write {}: {}\n", kLegendFileName, error);
        return 1;
    }
    fmt::print("{} new teams, {} teams replaced, {} club files skipped; wrote {}\n",
               result.newTeams, result.replacedTeams, result.skippedFiles.size(), kLegendFileName);
    return 0;
}

namespace {

void ReportPlayable(const TeamList& teams) {
    std::vector<std::string> unplayable;
    for (const auto& team : teams)
        if (!IsTeamPlayable(team.get())) unplayable.push_back(team->name);
    fmt::print("{} teams, {} playable", teams.size(), teams.size() - unplayable.size());
    if (!unplayable.empty()) fmt::print("; not playable: {}", fmt::join(unplayable, ", "));
    fmt::print("\n");
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
std::string error;
if (!ImportLahman(options.csvDir, import, teams, &error)) {
    bar.Finish();
    fmt::print(stderr, "velmoro-db: {}\n", error);
    return 1;
}
bar.Finish();
if (teams.empty()) {
    std::fputs("velmoro-db: no team-seasons in the chosen years\n", stderr);
    return 1;
}
bool written = options.clubFilesDir ? WriteClubFiles(teams, *options.clubFilesDir, &error)
                                    : WriteTeamList(teams, options.outFile, false, &error);
if (!written) {
    fmt::print(stderr, "velmoro-db: {}\n", error);
    return 1;
}
ReportPlayable(teams);
return 0;
}  // namespace velmoro

int RunDemo(const std::string& outFile) {
    std::string error;
    if (!WriteTeamList(MakeDemoLeague(), outFile, false, &error)) {
        fmt::print(stderr, "velmoro-db: cannot write {}: {}\n", outFile, error);
        return 1;
    }
    return 0;
}

}  // namespace velmoro
