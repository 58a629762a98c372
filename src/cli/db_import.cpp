// import-season, import-lahman and demo: the three ways to fill LegendDB.
#include <cstdio>
#include <filesystem>
#include <string>

#include <fmt/format.h>

#include "db/demo_league.h"
#include "db/import_season.h"
#include "db/install_dir.h"
#include "db/team_files.h"
#include "db_commands.h"

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
    for (const std::string& file : result.skippedFiles)
        fmt::print(stderr, "velmoro-db: skipped {}: missing or empty\n",
                   (std::filesystem::path(sourceDir) / file).string());
    // The season import writes to the working directory, never over the installed file.
    if (!WriteTeamList(db.legendTeams, kLegendFileName, false, &error)) {
        fmt::print(stderr, "velmoro-db: cannot write {}: {}\n", kLegendFileName, error);
        return 1;
    }
    fmt::print("{} new teams, {} teams replaced, {} club files skipped; wrote {}\n",
               result.newTeams, result.replacedTeams, result.skippedFiles.size(), kLegendFileName);
    return 0;
}

int RunImportLahman(const LahmanOptions&) {
    std::fputs("velmoro-db: import-lahman is not available yet\n", stderr);
    return 1;
}

int RunDemo(const std::string& outFile) {
    std::string error;
    if (!WriteTeamList(MakeDemoLeague(), outFile, false, &error)) {
        fmt::print(stderr, "velmoro-db: cannot write {}: {}\n", outFile, error);
        return 1;
    }
    return 0;
}

}  // namespace velmoro
