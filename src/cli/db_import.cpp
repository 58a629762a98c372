// Season import, the Lahman history and the demo league (placeholders until built).
#include <cstdio>

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

int RunDemo(const std::string&) {
    std::fputs("velmoro-db: demo is not available yet\n", stderr);
    return 1;
}

}  // namespace velmoro
