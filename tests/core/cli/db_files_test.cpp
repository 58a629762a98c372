// velmoro-db's files: a database's season index beside it under its own name, and every
// file it cannot read or write named once, with the system's reason.
#include <gtest/gtest.h>

#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

namespace fs = std::filesystem;
using namespace velmoro::testing;

TEST(DbFiles, AFileThatCannotBeReadOrWrittenIsNamedOnceWithTheReason) {
    TempDir dir;
    fs::create_directories(dir / "d1" / "LegendDB");
    fs::create_directories(dir / "d2" / "Seasons.csv");
    WriteBytes(dir / "plain", "");
    const std::string lahman = VELMORO_TEST_DATA_DIR "/lahman";
    const std::pair<std::string, std::string> cases[] = {
        {"demo -o d1/LegendDB", "cannot write d1/LegendDB: "},
        {"demo -o d2/LegendDB", "cannot write d2/Seasons.csv: "},
        {"build missing.json -o X", "cannot read missing.json: "},
        {"import-lahman nowhere -o X --quiet", "cannot read nowhere/Teams.csv: "},
        {"import-lahman " + lahman + " --club-files plain --season 1901 --quiet",
         "cannot write plain/"},
        {"lineup-report missing " + lahman, "cannot read missing: "},
    };
    for (const auto& [args, says] : cases) {
        const ProgramRun run =
            RunProgram(BuildProgram("velmoro-db"), SplitArguments(args), dir.path());
        const std::string prefix = "velmoro-db: " + says;
        EXPECT_EQ(run.exitCode, 1) << args;
        EXPECT_EQ(run.err.substr(0, prefix.size()), prefix) << args;
        // A reason follows, and the file is not named again.
        const std::size_t reason = run.err.find(": ", prefix.size() - 2);
        EXPECT_GT(run.err.size(), reason + 3) << run.err;
        EXPECT_EQ(run.err.find("cannot", prefix.size()), std::string::npos) << run.err;
    }
}

TEST(DbFiles, ADatabaseWrittenBesideAnotherKeepsItsOwnSeasonIndex) {
    TempDir dir;
    WriteBytes(dir / "Seasons.csv", "the index of the LegendDB here");
    const ProgramRun run =
        RunProgram(BuildProgram("velmoro-db"), {"demo", "-o", "DemoDB"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Contents(dir / "Seasons.csv"), "the index of the LegendDB here");
    EXPECT_TRUE(fs::exists(dir / "DemoDB.seasons.csv"));
}

}  // namespace
}  // namespace velmoro
