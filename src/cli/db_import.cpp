// import-season, import-lahman and demo: the three ways to fill LegendDB.
#include <cstdio>
#include <string>

#include <fmt/format.h>

#include "db/demo_league.h"
#include "db/team_files.h"
#include "db_commands.h"

namespace velmoro {

int RunImportSeason(const std::string&, const std::optional<std::string>&) {
    std::fputs("velmoro-db: import-season is not available yet\n", stderr);
    return 1;
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
