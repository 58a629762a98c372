// libFuzzer harness for the team database loader. Not part of the normal build:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc
//       fuzz/parse_team_list_fuzz.cpp src/db/team_files.cpp src/db/records.cpp -lfmt
//   ./a.out -max_len=4096
// The suite's ParseRobustness tests run a deterministic share of the same checks.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "db/team_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmoro::TeamList teams;
    std::string error;
    if (!velmoro::ParseTeamList(bytes, teams, &error)) {
        // A refused image leaves nothing half-loaded behind.
        if (!teams.empty() || error.empty()) std::abort();
        return 0;
    }
    // A whole database writes back to exactly the bytes it was read from.
    std::string image;
    if (!velmoro::SerializeTeamList(teams, false, image) || image != bytes) std::abort();
    return 0;
}
