// usage-report on the whole real history, when the Lahman tables are there: every
// season replayed with the clubs' usage plans, the figures at their marks.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "db/team_files.h"
#include "support/program_runner.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;
namespace fs = std::filesystem;

TEST(UsageReport, FullHistoryMeetsItsMarks) {
    const std::string csv = VELMORO_LAHMAN_DIR;
    if (!fs::exists(fs::path(csv) / "Teams.csv")) GTEST_SKIP() << "no Lahman tables in " << csv;
    TempDir install;
    const std::string legend = (install / kLegendFileName).string();
    ProgramRun run = RunProgram(BuildProgram("velmoro-db"),
                                {"import-lahman", csv, "--quiet", "-o", legend}, install.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    run = RunProgram(BuildProgram("velmoro-db"), {"usage-report", legend}, install.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The share of each figure's players (or league-seasons) within its mark.
    const struct {
        const char* start;
        double least;
    } marks[] = {
        {"Pitchers' share of plate appearances within 1.5 points", 80},
        {"Players with 300+ real plate appearances within 15%", 75},
        {"Pitchers with 20+ real starts within 3", 85},
    };
    std::istringstream lines(run.out);
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line == "Pitchers over 45 starts after 1920: 0") ++found;
        for (const auto& mark : marks) {
            if (line.rfind(mark.start, 0) != 0) continue;
            const auto open = line.rfind('(');
            ASSERT_NE(open, std::string::npos) << line;
            EXPECT_GE(std::stod(line.substr(open + 1)), mark.least) << line;
            ++found;
        }
    }
    EXPECT_EQ(found, 4) << run.out;
}

}  // namespace
}  // namespace velmoro
