// dump and build: a team database as JSON and back (the JSON of db_json.h).
#include <cstdio>
#include <string>

#include <fmt/format.h>

#include "cli/db_commands.h"
#include "cli/db_json.h"
#include "db/team_files.h"

namespace velmoro {

namespace {

void Fail(const std::string& message) {
    std::fprintf(stderr, "velmoro-db: %s\n", message.c_str());
}

}  // namespace

int RunDump(const std::string& file) {
    std::string bytes;
    if (Status read = ReadFileBytes(file, bytes); !read) {
        Fail(CannotReadMessage(file, read.message()));
        return 1;
    }
    TeamList teams;
    std::string error;
    if (!ParseTeamList(bytes, teams, &error)) {
        Fail(fmt::format("{} is not a whole team database: {}", file, error));
        return 1;
    }
    // A failed write to standard output is told when the program finishes.
    const std::string json = TeamListJson(teams);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return 0;
}

int RunBuild(const std::string& jsonFile, const std::string& outFile, bool filter) {
    std::string text;
    if (Status read = ReadFileBytes(jsonFile, text); !read) {
        Fail(CannotReadMessage(jsonFile, read.message()));
        return 1;
    }
    TeamList teams;
    std::string error;
    if (!TeamListFromJson(text, teams, error)) {
        Fail(fmt::format("{}: {}", jsonFile, error));
        return 1;
    }
    if (!WriteTeamList(teams, outFile, filter, &error)) {
        Fail(error);
        return 1;
    }
    return 0;
}

}  // namespace velmoro
