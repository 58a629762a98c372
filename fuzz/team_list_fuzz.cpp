// The team database reader (LegendDB, CustomDB) on arbitrary bytes. Built and run by
// scripts/fuzz.sh; the suite's ParseRobustness tests run a deterministic share of the
// same checks.
#include <cstdint>
#include <string>

#include "db/team_files.h"
#include "fuzz_support.h"

using namespace velmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    TeamList teams;
    std::string error;
    if (!ParseTeamList(bytes, teams, &error)) {
        fuzz::Check(teams.empty(), "a refused image leaves nothing half-loaded behind");
        fuzz::Check(!error.empty(), "a refused image says why");
        return 0;
    }
    // A whole database writes back to exactly the bytes it was read from.
    std::string image;
    fuzz::Check(SerializeTeamList(teams, false, image) && image == bytes,
                "a database writes back to the bytes it was read from");
    return 0;
}
