// velmoro-db dump and build, run as the user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "db/records.h"
#include "db/team_files.h"
#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using testing::Contents;
using testing::WriteBytes;

class DbCommand : public ::testing::Test {
  protected:
    fs::path Path(const std::string& name) const { return dir_ / name; }
    testing::ProgramRun Db(const std::vector<std::string>& args) const {
        return testing::RunProgram(testing::BuildProgram("velmoro-db"), args, dir_.path());
    }
    testing::ProgramRun Dump(const fs::path& file) const { return Db({"dump", file.string()}); }
    testing::ProgramRun Build(const fs::path& json, const fs::path& out,
                              const std::string& filter = "") const {
        std::vector<std::string> args = {"build", json.string(), "-o", out.string()};
        if (!filter.empty()) args.push_back(filter);
        return Db(args);
    }
    testing::TempDir dir_;
};

fs::path TestData(const std::string& name) {
    return fs::path(VELMORO_TEST_DATA_DIR) / "json" / name;
}

// A recorded LegendDB of names with every kind of byte a name may hold and numbers at
// their limits. Its dump holds the layout, the key order, the escapes, hits as stored
// and "nameBytes" beside names that are not UTF-8 (overlong forms, surrogates, cut
// sequences), and builds back to the same bytes.
TEST_F(DbCommand, DumpWritesTheRecordedJsonThatBuildsBackByteForByte) {
    const testing::ProgramRun dump = Dump(TestData("awkward_league.LegendDB"));
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_TRUE(dump.err.empty());
    EXPECT_EQ(dump.out, Contents(TestData("awkward_league.json")));
    const testing::ProgramRun build = Build(TestData("awkward_league.json"), Path("Rebuilt"));
    ASSERT_EQ(build.exitCode, 0) << build.err;
    EXPECT_EQ(Contents(Path("Rebuilt")), Contents(TestData("awkward_league.LegendDB")));
}

TEST_F(DbCommand, DumpOfACutFileSaysWhereItEndsAndPrintsNothing) {
    WriteBytes(Path("Cut"), Contents(TestData("awkward_league.LegendDB")).substr(0, 60));
    const testing::ProgramRun dump = Dump(Path("Cut"));
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.out.empty());
    EXPECT_NE(dump.err.find("after 60 bytes"), std::string::npos) << dump.err;

    WriteBytes(Path("Empty"), "");
    const testing::ProgramRun empty = Dump(Path("Empty"));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "[]\n");
}

// Each bad input of refused_builds.txt: exit 1, one line naming where and why, and the
// target file untouched.
TEST_F(DbCommand, BuildRefusesWhatTheFileCannotKeepAndWritesNothing) {
    std::istringstream table(Contents(TestData("refused_builds.txt")));
    std::vector<std::pair<std::string, std::string>> cases;  // message, JSON
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with("> ")) {
            cases.emplace_back(line.substr(2), "");
        } else if (!cases.empty()) {
            cases.back().second += (cases.back().second.empty() ? "" : "\n") + line;
        }
    }
    ASSERT_EQ(cases.size(), 44u);
    const std::string old = "old contents";
    for (const auto& [says, json] : cases) {
        const bool file = json.ends_with(".json");
        const fs::path in = file ? TestData(json) : Path("in.json");
        fs::remove(Path("in.json"));
        if (!file) WriteBytes(in, json);
        WriteBytes(Path("Out"), old);
        const testing::ProgramRun build = Build(in, Path("Out"));
        EXPECT_EQ(build.exitCode, 1) << says;
        EXPECT_EQ(build.err, "velmoro-db: " + in.string() + ": " + says + "\n");
        EXPECT_EQ(Contents(Path("Out")), old) << says;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()),
                  file ? 1 : 2)
            << says << ": no other file may appear";
    }
}

// A qualifying player unless `games` is below 10.
std::string PlayerJson(const std::string& name, const std::string& extra = "", int games = 150) {
    return R"({"name": ")" + name + R"(", "atBats": 500, "battingAvg": 300, "games": )" +
           std::to_string(games) + ", " +
           R"("runs": 90, "hits": 150, "doubles": 30, "triples": 5, "homeRuns": 20, "rbi": 80, )" +
           R"("stolenBases": 10, "caughtStealing": 4, "walks": 60, "strikeouts": 70, )" +
           R"("positions": 64, "pitching": null)" + extra + "}";
}

// Library escapes are UTF-8, "nameBytes" the exact bytes; --filter drops
// who does not qualify.
TEST_F(DbCommand, BuildReadsEscapesAndNameBytesAndFilters) {
    WriteBytes(Path("in.json"),
               "\xEF\xBB\xBF[{\"name\": \"Jos\\u00e9 \\u20ac \\ud83d\\ude00\", \"players\": [" +
                   PlayerJson("Regular") + ", " +
                   PlayerJson("Jos\xEF\xBF\xBD", R"(, "nameBytes": "4A6f73E9")", 9) + "]}]");
    for (const char* filter : {"", "--filter"}) {
        const testing::ProgramRun build = Build(Path("in.json"), Path("Out"), filter);
        ASSERT_EQ(build.exitCode, 0) << build.err;
        TeamList back;
        ASSERT_TRUE(ReadTeamFile(Path("Out"), back));
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0]->name, "Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
        EXPECT_EQ(back[0]->players.back()->name, *filter ? "Regular" : "Jos\xE9");
        EXPECT_EQ(back[0]->players.size(), *filter ? 1u : 2u);
    }
}

TEST_F(DbCommand, WrongUsageExitsWithTwo) {
    for (const char* line : {"", "dump", "build x.json", "dump x --bogus"})
        EXPECT_EQ(Db(testing::SplitArguments(line)).exitCode, 2) << line;
}

}  // namespace
}  // namespace velmoro
