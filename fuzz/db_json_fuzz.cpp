// velmoro-db build's JSON reader, and the round trip through a database file: what
// builds dumps back as the same JSON, and the file it writes dumps that JSON too.
#include <cstdint>
#include <string>

#include "db/team_files.h"
#include "fuzz_support.h"
#if __has_include("cli/db_json.h")
#include "cli/db_json.h"
#else
#include "cli/db_json.h"
#endif

using namespace velmoro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TeamList teams;
    std::string error;
    if (!TeamListFromJson(fuzz::Bytes(data, size), teams, error)) {
        fuzz::Check(!error.empty(), "a refused JSON file says why");
        return 0;
    }
    const std::string json = TeamListJson(teams);
    TeamList again;
    fuzz::Check(TeamListFromJson(json, again, error), "a dump builds again");
    fuzz::Check(TeamListJson(again) == json, "a dump builds into the same teams");

    // build then dump: the database file keeps everything the JSON said.
    std::string image;
    if (!SerializeTeamList(teams, false, image, &error)) return 0;
    TeamList fromFile;
    fuzz::Check(ParseTeamList(image, fromFile, &error), "a built file reads back");
    fuzz::Check(TeamListJson(fromFile) == json, "build then dump gives the same JSON");
    return 0;
}
