// velmoro-sim's refusals that the golden runs do not show: each bad command line,
// script or team gives its exit code and message, and nothing on stdout.
#include <gtest/gtest.h>

#include "cli/sim.h"
#include "support/program_runner.h"
#include "support/temp_dir.h"
#include "support/test_league.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

TEST(SimOptions, BadArgumentsScriptsAndTeamsAreRefusedWithTheirMessage) {
    TempDir install, work;
    TeamList custom;
    AddLeagueTeam(custom, "Night Owls", 44);
    AddTeam(custom, "Broken").AddPlayer(MakeBatter("Lonely", Catcher, 1));
    TeamList legend = MakeLeague();
    // Eight players: nobody left for right field.
    TeamRecord& thin = AddTeam(legend, "2001 Thin");
    thin.AddPlayer(MakePitcher("Thin Pitcher", true, 3));
    for (std::uint8_t b :
         {Catcher, FirstBase, SecondBase, Shortstop, ThirdBase, Outfield, Outfield})
        thin.AddPlayer(MakeBatter("Thin " + std::to_string(b), b, b));
    ASSERT_TRUE(WriteLeague(install.path(), legend, custom));
    const std::string dir = install.path().string();

    const std::string script = (work / "script.txt").string();
    const std::string missing = (work / "missing.gam").string();
    const std::string kGames = "velmoro-sim: --games: a whole number from 1 to 100000000\n";
    std::string huge, shownHuge;
    for (int i = 0; i < 200; ++i)
        huge += "x\x01";
    for (int i = 0; i < 40; ++i)
        shownHuge += "x\\x01";
    const std::string noTeam = "velmoro-sim: no team \"";
    struct Case {
        std::string args;  // the command line, --dir added
        int exitCode;
        std::string err;  // its start, or all of it when it ends in a line break
        std::string scriptText = "";
    };
    const std::string aces = "--visitors '2001 Aces' --home '2001 Bears' ";
    const Case cases[] = {
        {aces + "--bogus", 2, "velmoro-sim: "},
        // CLI11's message quotes them: 80 bytes are shown whole, escaped only once.
        {aces + "'" + huge.substr(0, 80) + "' '" + huge.substr(0, 80) + "'", 2,
         "velmoro-sim: The following arguments were not expected: " + shownHuge + " " + shownHuge +
             "\n"},
        {aces + "--games 0", 2, kGames},
        {aces + "--games +5", 2, kGames},
        {aces + "--games " + std::string(300, '9'), 2, kGames},
        {aces + "--save-at x " + missing, 2,
         "velmoro-sim: --save-at: a whole number from 0 to 100000000\n"},
        {aces + "--save-at 5 ''", 2, "velmoro-sim: --save-at: a turn and the file to save to\n"},
        {aces + "--seed 3 --save-at 5 '" + (work / "no such folder" / "x.gam").string() + "'", 1,
         ""},
        {"--load " + script + " --visitors '2001 Aces'", 2, "velmoro-sim: "},
        {"--load ''", 2, "velmoro-sim: --load: the saved game to go on with\n"},
        {aces + "--script " + script, 2,
         "velmoro-sim: the script " + script + " line 3: ", "\n\t3 2\r\n0 -1\n"},
        {aces + "--script " + script, 2, "velmoro-sim: the script " + script + " line 1: ", "1\n"},
        {aces + "--script " + script, 2,
         "velmoro-sim: the script " + script + " line 2: ", "1 2\n0 0 0\n"},
        {aces + "--script " + script, 2,
         "velmoro-sim: the script " + script + " line 1: ", "1x 0\n"},
        {aces + "--script " + script + ".missing", 1,
         "velmoro-sim: cannot read the script " + script + ".missing: No such file"},
        // A long value is cut to its first 80 bytes, and its control bytes are escaped.
        {"--visitors '" + huge + "' --home '2001 Bears'", 2,
         noTeam + shownHuge + "...\" to play (custom teams: custom:NAME)\n"},
        {"--visitors custom:Nobody --home '2001 Bears'", 2, noTeam},
        // Not playable, so the team page would never offer it.
        {"--visitors custom:Broken --home '2001 Bears'", 2, noTeam},
        // A custom team's name is not a LegendDB name.
        {"--visitors 'Night Owls' --home '2001 Bears'", 2, noTeam},
        {"--visitors '2001 Aces' --home '2001 Thin'", 1,
         "velmoro-sim: 2001 Thin cannot be fielded: 8 players, fewer than 9\n"},
        // --csv names a file: never nothing or a folder (nothing is written).
        {"--season 2001 --csv ''", 2, "velmoro-sim: --csv: the file to write the standings to\n"},
        {"--all-seasons --csv " + work.path().string(), 2,
         "velmoro-sim: --csv: the file to write the standings to\n"},
    };
    for (const Case& c : cases) {
        if (!c.scriptText.empty()) WriteBytes(script, c.scriptText);
        std::vector<std::string> args = SplitArguments(c.args);
        args.insert(args.end(), {"--dir", dir});
        const ProgramRun run = RunProgram(BuildProgram("velmoro-sim"), args, work.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.err;
        if (c.err.ends_with('\n')) {
            EXPECT_EQ(run.err, c.err) << c.args;
        } else {
            EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.args;
        }
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.out.empty()) << c.args;
        }
        if (c.exitCode == 1) {
            EXPECT_FALSE(run.err.empty()) << c.args;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(work / "-players"));
    EXPECT_FALSE(std::filesystem::exists(work.path().string() + "-players"));
    const ProgramRun empty = RunProgram(
        BuildProgram("velmoro-sim"),
        SplitArguments(aces + "--dir '" + (work / "no such folder").string() + "'"), work.path());
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "Velmoro Baseball: Database Load failed: " +
                             (work / "no such folder" / "LegendDB").string() +
                             ": No such file or directory\n");
}

// The engine each command plays on, and the replays of a season, as the command line
// gives them: games classic unless told, a loaded game its file's (none here), seasons
// realistic.
TEST(SimOptions, EngineAndReplaysByCommand) {
    constexpr auto kClassic = EngineKind::Classic, kRealistic = EngineKind::Realistic;
    const std::string teams = "--visitors A --home B ";
    struct Case {
        std::string args;
        ExitCode exit;
        std::optional<EngineKind> engine;  // of games, or of the season
        int replays = 1;
        std::string err = "";
    };
    const Case cases[] = {
        {teams, std::nullopt, kClassic},
        {teams + "--compare-managers 5", std::nullopt, kClassic},
        {teams + "--engine REALISTIC --games 3", std::nullopt, kRealistic},
        {"--load x.gam", std::nullopt, std::nullopt},
        {"--load x.gam --engine realistic", std::nullopt, kRealistic},
        {"--season 1927", std::nullopt, kRealistic},
        {"--all-seasons --engine classic --replays 10 --csv x.csv", std::nullopt, kClassic, 10},
        {teams + "--engine fast", kSimUsage, {}, 1, "--engine: classic or realistic"},
        {"--season 1927 --engine ''", kSimUsage, {}, 1, "--engine: classic or realistic"},
        {"--season 1927 --replays 0", kSimUsage, {}, 1, "--replays: a whole number from 1 to 1000"},
        {teams + "--replays 2", kSimUsage, {}, 1, "--replays goes with --season or --all-seasons"},
        {teams + "--compare-managers 5 --replays 2",
         kSimUsage,
         {},
         1,
         "--replays goes with --season or --all-seasons"},
        {"--season 1927 --replays 2 --csv x.csv",
         kSimUsage,
         {},
         1,
         "--csv goes with --season only for a single replay (--replays 1)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = SplitArguments(c.args);
        args.insert(args.begin(), "velmoro-sim");
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        SimOptions options;
        ::testing::internal::CaptureStderr();
        const ExitCode exit = ParseSimOptions(static_cast<int>(argv.size()), argv.data(), options);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(exit, c.exit) << c.args;
        EXPECT_EQ(err, c.err.empty() ? "" : "velmoro-sim: " + c.err + "\n") << c.args;
        if (exit) continue;
        EXPECT_EQ(options.season ? options.season->engine : options.engine, c.engine) << c.args;
        EXPECT_EQ(options.season ? options.season->replays : 1, c.replays) << c.args;
    }
}

}  // namespace
}  // namespace velmoro
