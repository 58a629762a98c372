// velmoro-sim --save-at K: a game saved after any turn, cleared and loaded again plays
// on exactly as the game that was never interrupted.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "db/team_files.h"
#include "saves/league_fixture.h"
#include "support/program_runner.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::string gameLog;
};

std::string Slurp(const std::filesystem::path& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

// Runs velmoro-sim in `workDir` (where it writes GameLog) and collects what it left.
Outcome RunSim(const std::filesystem::path& workDir, const std::vector<std::string>& args) {
    // Fresh files each run: rewriting an existing file makes ext4 wait for the disk.
    std::filesystem::remove(workDir / "GameLog");
    const ProgramRun ran = RunProgram(BuildProgram("velmoro-sim"), args, workDir);
    Outcome outcome;
    outcome.exitCode = ran.exitCode;
    outcome.out = ran.out;
    outcome.err = ran.err;
    outcome.gameLog = Slurp(workDir / "GameLog");
    return outcome;
}

// Choices "O D" for many turns, strategies included, drawn from a fixed sequence.
void WriteScript(const std::filesystem::path& path, unsigned seed) {
    std::ofstream script(path, std::ios::binary);
    for (int turn = 0; turn < 300; ++turn) {
        seed = seed * 1103515245u + 12345u;
        const unsigned draw = (seed >> 16) % 16;
        // Mostly normal play, now and then a sacrifice, steal, squeeze, walk or infield in.
        const int offensive = draw < 10 ? 0 : static_cast<int>(draw % 4);
        const int defensive = draw < 12 ? 0 : static_cast<int>(draw % 3);
        script << offensive << ' ' << defensive << '\n';
    }
}

struct SimCase {
    const char* label;
    const char* visitors;
    const char* home;
    bool dh;
    int seed;
    bool script;
    int games;
    // Every K is tried for one game; several games try every K-th turn only.
    int step;
};

class SaveAt : public ::testing::TestWithParam<SimCase> {
  protected:
    void SetUp() override {
        TeamList custom;
        AddLeagueTeam(custom, "Night Owls", 44);
        ASSERT_TRUE(WriteLeague(install.path(), MakeLeague(), custom));
        std::filesystem::create_directories(work.path() / "plain");
        std::filesystem::create_directories(work.path() / "saved");
    }

    std::vector<std::string> Arguments(const SimCase& c) const {
        std::vector<std::string> args = {"--visitors", c.visitors,
                                         "--home",     c.home,
                                         "--dir",      install.path().string(),
                                         "--seed",     std::to_string(c.seed),
                                         "--quiet"};
        if (c.dh) args.push_back("--dh");
        if (c.script) args.insert(args.end(), {"--script", (work / "script.txt").string()});
        if (c.games > 1) args.insert(args.end(), {"--games", std::to_string(c.games)});
        return args;
    }

    TempDir install;
    TempDir work;
};

TEST_P(SaveAt, EveryTurnPlaysOnAsTheUninterruptedGame) {
    const SimCase& c = GetParam();
    WriteScript(work / "script.txt", static_cast<unsigned>(c.seed));
    const std::vector<std::string> args = Arguments(c);
    const Outcome plain = RunSim(work / "plain", args);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    ASSERT_FALSE(plain.out.empty());
    ASSERT_FALSE(plain.gameLog.empty());

    const auto saved = work / "game.gam";
    int turnsSaved = 0;
    for (int k = 0;; k += c.step) {
        std::filesystem::remove(saved);
        std::vector<std::string> withSave = args;
        withSave.insert(withSave.end(), {"--save-at", std::to_string(k), saved.string()});
        const Outcome resumed = RunSim(work / "saved", withSave);
        // From the last turn on the game is over: nothing is saved, and that is an error.
        if (!std::filesystem::exists(saved)) {
            EXPECT_EQ(resumed.exitCode, 1);
            EXPECT_TRUE(resumed.out.empty());
            if (c.step == 1) {
                const std::string last =
                    fmt::format("velmoro-sim: the game ended after {} turns; nothing saved\n", k);
                EXPECT_TRUE(resumed.err.ends_with(last)) << resumed.err;
            }
            break;
        }
        ++turnsSaved;
        ASSERT_EQ(resumed.exitCode, 0) << "K=" << k << "\n" << resumed.err;
        ASSERT_EQ(resumed.out, plain.out) << "stdout differs, K=" << k;
        ASSERT_EQ(resumed.err, plain.err) << "stderr differs, K=" << k;
        ASSERT_EQ(resumed.gameLog, plain.gameLog) << "GameLog differs, K=" << k;
    }
    EXPECT_GT(turnsSaved * c.step, 50) << "a whole game has more turns than that";
}

INSTANTIATE_TEST_SUITE_P(
    Games, SaveAt,
    ::testing::Values(SimCase{"plain", "2001 Aces", "2001 Bears", false, 1, false, 1, 1},
                      SimCase{"strategies", "2001 Colts", "2001 Dukes", false, 77, true, 1, 1},
                      SimCase{"dhStrategies", "2001 Bears", "2001 Colts", true, 4242, true, 1, 1},
                      SimCase{"customTeam", "custom:Night Owls", "2001 Aces", true, 5, true, 1, 1},
                      SimCase{"sameTeam", "2001 Dukes", "2001 Dukes", false, 31337, false, 1, 1},
                      SimCase{"replays", "2001 Aces", "2001 Colts", true, 8, true, 3, 9}),
    [](const auto& info) { return std::string(info.param.label); });

// A saved game that cannot be written stops the program with exit code 1.
TEST(SaveAtFailure, UnwritableSaveFails) {
    TempDir install;
    TempDir work;
    ASSERT_TRUE(WriteLeague(install.path(), MakeLeague()));
    const Outcome outcome =
        RunSim(work.path(),
               {"--visitors", "2001 Aces", "--home", "2001 Bears", "--dir", install.path().string(),
                "--seed", "3", "--save-at", "5", (work / "no such folder" / "x.gam").string()});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_FALSE(outcome.err.empty());
}

}  // namespace
}  // namespace velmoro
