// Output that cannot be written is a failure the user is told of, not a silent loss.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/program_runner_platform.h"
#include "support/temp_dir.h"

namespace velmoro {
namespace {

#ifndef _WIN32
// With standard output on a full disk each program exits 1 and says why, once.
TEST(StandardOutput, AFullDiskFailsEveryProgram) {
    const testing::TempDir dir;
    const auto db = testing::BuildProgram("velmoro-db");
    ASSERT_EQ(testing::RunProgram(db, {"demo", "-o", "LegendDB"}, dir.path()).exitCode, 0);
    const auto game = testing::SplitArguments(
        "--dir . --visitors '2024 Harbor Hawks' --home '2025 Lakeside Loons' --seed 5");
    const struct {
        const char* program;
        std::vector<std::string> args;
    } cases[] = {{"velmoro-sim", game},
                 {"velmoro-sim", testing::SplitArguments("--help")},
                 {"velmoro-db", {"dump", "LegendDB"}}};
    for (const auto& c : cases) {
        const int exitCode = testing::SpawnAndWait(testing::BuildProgram(c.program), c.args,
                                                   dir.path(), {}, "/dev/full", dir / "err");
        EXPECT_EQ(exitCode, 1) << c.program << " " << c.args.back();
        EXPECT_EQ(testing::Contents(dir / "err"),
                  std::string(c.program) + ": cannot write to standard output\n");
    }
}
#endif

}  // namespace
}  // namespace velmoro
