// velmoro-sim as a user runs it: exit codes, the play-by-play on stdout, message lines on
// stderr, scripted turns and series of games.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "db/team_files.h"
#include "engine/play_log.h"
#include "engine/session.h"
#include "engine/turns.h"
#include "saves/league_fixture.h"
#include "saves/saved_game.h"
#include "setup/default_setup.h"
#include "support/program_runner.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

struct SimRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::string gameLog;
};

std::string Contents(const std::filesystem::path& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

// Records message boxes the way velmoro-sim prints them.
class MessageLines : public Display {
  public:
    void ShowMessage(const std::string& text, const std::string&) override {
        lines += "Velmoro Baseball: " + text + "\n";
    }
    std::string lines;
};

class SimProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        TeamList custom;
        AddLeagueTeam(custom, "Night Owls", 44);
        TeamRecord& broken = AddTeam(custom, "Broken");
        broken.AddPlayer(MakeBatter("Lonely", Catcher, 1));
        TeamList legend = MakeLeague();
        // Eight players: nobody left for right field.
        TeamRecord& thin = AddTeam(legend, "2001 Thin");
        thin.AddPlayer(MakePitcher("Thin Pitcher", true, 3));
        const std::uint8_t bits[] = {Catcher,   FirstBase, SecondBase, Shortstop,
                                     ThirdBase, Outfield,  Outfield};
        int k = 0;
        for (std::uint8_t b : bits) {
            thin.AddPlayer(MakeBatter("Thin " + std::to_string(k), b, k));
            ++k;
        }
        ASSERT_TRUE(WriteLeague(install.path(), legend, custom));
    }

    SimRun Sim(std::vector<std::string> args, bool withDir = true) {
        if (withDir) args.insert(args.end(), {"--dir", install.path().string()});
        std::filesystem::remove(work / "GameLog");
        const ProgramRun ran = RunProgram(BuildProgram("velmoro-sim"), args, work.path());
        SimRun run;
        run.exitCode = ran.exitCode;
        run.out = ran.out;
        run.err = ran.err;
        run.gameLog = Contents(work / "GameLog");
        return run;
    }

    void Script(const std::string& text) {
        std::ofstream(work / "script.txt", std::ios::binary) << text;
    }

    TempDir install;
    TempDir work;
};

TEST_F(SimProgram, ExitCodesAndErrorLines) {
    Script("0 0\n4 0\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string errStart;
    };
    const std::string script = (work / "script.txt").string();
    const std::string missing = (work / "missing.gam").string();
    const std::string kGames = "velmoro-sim: --games: a whole number from 1 to 100000000\n";
    std::string huge, shownHuge;
    for (int i = 0; i < 200; ++i)
        huge += "x\x01";
    for (int i = 0; i < 40; ++i)
        shownHuge += "x\\x01";
    const Case cases[] = {
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--seed", "1"}, 0, ""},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--bogus"}, 2, "velmoro-sim: "},
        {{"--visitors", "2001 Aces"}, 2, "velmoro-sim: "},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--games", "0"}, 2, kGames},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--games", "x"}, 2, kGames},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--games", std::string(300, '9')},
         2,
         kGames},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--seed", "-1"},
         2,
         "velmoro-sim: --seed: a whole number from 0 to 4294967295\n"},
        {{"--home", "2001 Bears"}, 2, "velmoro-sim: --visitors and --home name the two teams"},
        {{"--load", script, "--visitors", "2001 Aces"}, 2, "velmoro-sim: "},
        {{"--load", missing},
         1,
         "Velmoro Baseball: Game Load failed: " + missing + ": No such file"},
        {{"--load", script},
         1,
         "Velmoro Baseball: Game Load failed: " + script +
             ": line 3: the file ends before a player's name\n"},
        // A long value is cut to its first 80 bytes, and its control bytes are escaped.
        {{"--visitors", huge, "--home", "2001 Bears"},
         2,
         "velmoro-sim: no team \"" + shownHuge + "...\" to play (custom teams: custom:NAME)\n"},
        {{"--visitors", "2001 Acres", "--home", "2001 Bears"}, 2, "velmoro-sim: no team"},
        {{"--visitors", "custom:Nobody", "--home", "2001 Bears"}, 2, "velmoro-sim: no team"},
        // Not playable, so the team page would never offer it.
        {{"--visitors", "custom:Broken", "--home", "2001 Bears"}, 2, "velmoro-sim: no team"},
        // A custom team's name is not a LegendDB name.
        {{"--visitors", "Night Owls", "--home", "2001 Bears"}, 2, "velmoro-sim: no team"},
        {{"--visitors", "2001 Aces", "--home", "2001 Thin"},
         1,
         "Velmoro Baseball: There are no players left to play outfield.\nPlease try again.\n"},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--script", script},
         2,
         "velmoro-sim: "},
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--script", script + ".missing"},
         1,
         "velmoro-sim: cannot read the script " + script + ".missing: No such file"},
        // A folder is not an empty script: nothing would be played as asked.
        {{"--visitors", "2001 Aces", "--home", "2001 Bears", "--script", work.path().string()},
         1,
         "velmoro-sim: the script " + work.path().string() + " is a folder, not a file\n"},
    };
    for (const Case& c : cases) {
        const SimRun run = Sim(c.args);
        std::string shown;
        for (const auto& a : c.args)
            shown += a + " ";
        EXPECT_EQ(run.exitCode, c.exitCode) << shown << "\n" << run.err;
        EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart) << shown;
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.out.empty()) << shown;
        }
    }
    const SimRun empty = Sim({"--visitors", "2001 Aces", "--home", "2001 Bears", "--dir",
                              (work / "no such folder").string()},
                             false);
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "Velmoro Baseball: Database Load failed: " +
                             (work / "no such folder" / "LegendDB").string() +
                             ": No such file or directory\n");
}

// The same game played here through the library: the program's stdout must be the
// play-by-play, its stderr the message boxes and GameLog the box score.
TEST_F(SimProgram, OneGameIsThePlayByPlayOfTheDefaultSetup) {
    // Steal and sacrifice with nobody on are refused and still count as turns; the
    // intentional walk puts a runner on, and the steal after it is a turn of its own.
    const std::vector<std::pair<int, int>> choices = {{2, 0}, {1, 0}, {0, 1}, {2, 0},
                                                      {3, 2}, {0, 0}, {1, 1}, {2, 0}};
    std::string text;
    for (auto [o, d] : choices)
        text += std::to_string(o) + " " + std::to_string(d) + "\r\n";
    Script(text);
    for (bool dh : {false, true}) {
        std::vector<std::string> args = {
            "--visitors", "custom:Night Owls",           "--home", "2001 Colts", "--seed", "4242",
            "--script",   (work / "script.txt").string()};
        if (dh) args.push_back("--dh");
        const SimRun run = Sim(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;

        Session session;
        MessageLines messages;
        session.SetDisplay(&messages);
        session.gameLogPath.clear();
        session.random.SetFixedSeed(4242);
        ASSERT_TRUE(LoadCustomDatabase(session.teams, install.path()));
        ASSERT_TRUE(LoadLegendDatabase(session.teams, install.path()));
        TeamRecord* visitors = LookupTeam(session.teams.customTeams, "Night Owls");
        TeamRecord* home = LookupTeam(session.teams.legendTeams, "2001 Colts");
        ASSERT_TRUE(DefaultSetup(session, *visitors, *home, dh, nullptr));
        OpenPlayScreen(session);
        for (std::size_t turn = 0; !IsGameOver(session.game); ++turn) {
            const auto [o, d] = turn < choices.size() ? choices[turn] : std::pair{0, 0};
            PlayTurn(session, o, d);
        }
        EXPECT_EQ(run.out, session.game.playLog) << "dh " << dh;
        EXPECT_EQ(run.err, messages.lines) << "dh " << dh;
        EXPECT_EQ(run.gameLog, BoxScoreText(session.game)) << "dh " << dh;
        EXPECT_EQ(run.err.rfind("Velmoro Baseball: You can't steal with no runners on base.\n"
                                "Velmoro Baseball: You can't sacrifice with no runners on base.\n",
                                0),
                  0u);
        EXPECT_EQ(run.out.rfind("Top of inning 1\r\n", 0), 0u);
    }
}

// --load goes on with a saved game as the desktop program's Load does: the same reader
// and team preparation, then the turns of the script; output as for one game.
TEST_F(SimProgram, LoadGoesOnWithASavedGame) {
    const std::string saved = (work / "mid.gam").string();
    ASSERT_EQ(Sim({"--visitors", "2001 Dukes", "--home", "custom:Night Owls", "--seed", "3",
                   "--save-at", "40", saved})
                  .exitCode,
              0);
    Script("2 0\n0 1\n2 0\n3 2\n");
    const std::vector<std::pair<int, int>> choices = {{2, 0}, {0, 1}, {2, 0}, {3, 2}};
    const SimRun run =
        Sim({"--load", saved, "--seed", "11", "--script", (work / "script.txt").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    Session session;
    MessageLines messages;
    session.SetDisplay(&messages);
    session.gameLogPath.clear();
    session.installDirectory = install.path();
    session.random.SetFixedSeed(11);
    ASSERT_TRUE(LoadSavedGame(session, saved));
    OpenPlayScreen(session);
    for (std::size_t turn = 0; !IsGameOver(session.game); ++turn) {
        const auto [o, d] = turn < choices.size() ? choices[turn] : std::pair{0, 0};
        PlayTurn(session, o, d);
    }
    EXPECT_EQ(run.out, session.game.playLog);
    EXPECT_EQ(run.err, messages.lines);
    EXPECT_EQ(run.gameLog, BoxScoreText(session.game));
    EXPECT_NE(run.out.find("\r\nTop of inning 5.\r\n"), std::string::npos)
        << "the play-by-play goes on from the saved one";
}

TEST_F(SimProgram, SeriesPrintsOneLinePerGameAndTheSummary) {
    const std::vector<std::string> args = {"--visitors", "2001 Aces", "--home", "2001 Dukes",
                                           "--seed",     "9",         "--dh",   "--games",
                                           "25",         "--quiet"};
    const SimRun run = Sim(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Sim(args).out, run.out) << "a seed makes the series repeatable";

    const std::regex line("2001 Aces (\\d+), 2001 Dukes (\\d+)");
    std::istringstream in(run.out);
    std::string text, last;
    int games = 0, acesWins = 0;
    std::set<std::string> results;
    while (std::getline(in, text) && text.rfind("Summary", 0) != 0) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, line)) << text;
        ASSERT_NE(m[1], m[2]) << "a game ends with a winner";
        acesWins += std::stoi(m[1]) > std::stoi(m[2]);
        results.insert(text);
        last = text;
        ++games;
    }
    EXPECT_EQ(games, 25);
    EXPECT_EQ(text, "Summary: 2001 Aces " + std::to_string(acesWins) + " wins, 2001 Dukes " +
                        std::to_string(25 - acesWins) + " wins, 25 games");
    EXPECT_FALSE(std::getline(in, text)) << "nothing after the summary";
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    EXPECT_GT(results.size(), 1u) << "games go on from the generator, not reseeded";
    // GameLog holds the last game, whose result line opens it.
    EXPECT_EQ(run.gameLog.rfind(last + "\r\n", 0), 0u);

    // The first game of a series is the single game of the same seed.
    std::vector<std::string> single(args.begin(), args.end() - 3);
    const SimRun one = Sim(single);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')) + "\r\n",
              one.gameLog.substr(0, one.gameLog.find("\r\n") + 2));
}

// A GameLog longer than the new one must not keep its tail.
TEST_F(SimProgram, AnExistingLongerGameLogIsReplacedWhole) {
    const std::vector<std::string> args = {
        "--visitors", "2001 Aces", "--home", "2001 Bears",
        "--seed",     "3",         "--dir",  install.path().string()};
    const SimRun fresh = Sim(args, false);
    std::ofstream(work / "GameLog", std::ios::binary) << std::string(100000, 'x');
    ASSERT_EQ(RunProgram(BuildProgram("velmoro-sim"), args, work.path()).exitCode, 0);
    EXPECT_EQ(Contents(work / "GameLog"), fresh.gameLog);
}

}  // namespace
}  // namespace velmoro
