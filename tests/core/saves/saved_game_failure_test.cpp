// Saved games that cannot be read or written: false, and nothing half-done left behind.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <iostream>

#include "saves/game_fixture.h"
#include "saves/saved_game.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

const std::filesystem::path kDemoLeague = VELMORO_DATA_DIR;
const std::filesystem::path kBadSaves = std::filesystem::path(VELMORO_TEST_DATA_DIR) / "saves";

// A saved game of a game in progress and a session that has loaded it, so that every
// failing read below starts from a game it must clear away.
class FailedRead : public ::testing::Test {
  protected:
    void SetUp() override {
        install.Attach(original);
        StartGame(original, "2001 Aces", "2001 Bears", false);
        MidGameCounters(original.game, true);
        PinchHit(original.game.visitor, 1);
        ASSERT_TRUE(SavedGameText(original.game, good));
        install.Attach(session);
        demo.installDirectory = kDemoLeague;
    }

    // Loads a good file first, then the given bytes, in the test league's session or
    // in the demo league's (the files under tests/data/saves belong to it).
    bool LoadAfterGoodGame(const std::string& bytes, bool inDemo, std::string& reason) {
        Session& target = inDemo ? demo : session;
        const std::string first = inDemo ? ReadBytes(kBadSaves / "demo_good.gam") : good;
        WriteBytes(install.dir / "good.gam", first);
        EXPECT_TRUE(ReadSavedGame(target, install.dir / "good.gam"));
        WriteBytes(install.dir / "bad.gam", bytes);
        return ReadSavedGame(target, install.dir / "bad.gam", &reason);
    }

    std::string Replace(const std::string& from, const std::string& to) const {
        std::string bytes = good;
        const std::size_t at = bytes.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return bytes.replace(at, from.size(), to);
    }

    std::size_t LogStart() const { return good.find("Top of inning 1"); }

    Installation install;
    Session original;
    Session session;
    Session demo;
    std::string good;
};

// Each bad file is refused with its reason, and the game it replaced is cleared.
TEST_F(FailedRead, MalformedFilesGiveFalseAReasonAndACleanGame) {
    const GameState& g = original.game;
    const std::string pitcher = g.home.boxLines[9].front()->name;
    const std::string counters = "1\r\n3\r\n7\r\n4\r\n2\r\n2\r\n0\r\n";
    const std::string queue = "\r\n5\r\n0\r\n3,1,0\r\n6\r\n2\r\n0\r\n";
    const std::string visitorScore = "0,1,0,2,0,1,-1,-1,-1\r\n";
    const std::string homeScore = "0,0,2,0,0,0,-1,-1,-1\r\n";
    const struct {
        const char* label;
        std::string bytes;
        std::string reason;
        bool demo = false;
    } cases[] = {
        {"empty file", "", "line 1: the file ends before the visitors' team"},
        {"garbage", "this is not a saved game\r\n\x01\x02\xff", "line 2: the file ends"},
        {"unknown visitors", Replace("2001 Aces\r\n", "2001 Aardvarks\r\n"),
         "no team \"2001 Aardvarks\" in LegendDB or CustomDB"},
        {"unknown home team", Replace("2001 Bears\r\n", "2001 bears\r\n"),
         "no team \"2001 bears\""},
        {"unknown player",
         Replace(pitcher + "\r\n",
                 "Nobody\x01"
                 "At All\r\n"),
         "team \"2001 Bears\" has no player \"Nobody\\x01At All\""},
        {"player of the other team", Replace(pitcher + "\r\n", g.visitor.lineup[9]->name + "\r\n"),
         "has no player \"" + g.visitor.lineup[9]->name + "\""},
        {"short numbers", Replace(",0,0,0,0\r\n", ",0,0\r\n"),
         "strikeouts of 2001 A Slugger: expected ','"},
        {"letters for a number", Replace(counters, "1\r\nthree\r\n7\r\n"),
         "the visitors' next batter: expected a number"},
        {"flag not 0 or 1", Replace("\r\n0\r\n", "\r\n2\r\n"), "line 5: the continuation flag of"},
        {"position above 10", Replace(",2\r\n0\r\n", ",11\r\n0\r\n"),
         "position of 2001 B Backstop: 11 is not in 0..10"},
        {"count that does not fit", Replace("\r\n0,0,", "\r\n0,256,"),
         "line 4: runs of 2001 A Pitcher 2: 256 is not in 0..255"},
        {"number too large", Replace(counters, "1\r\n99999999999\r\n7\r\n"),
         "next batter: 99999999999 is not in 0..8"},
        {"next batter past the ninth", Replace(counters, "1\r\n9\r\n7\r\n"), "9 is not in 0..8"},
        {"bases beyond loaded", Replace(queue, "\r\n8\r\n0\r\n3,1,0\r\n6\r\n2\r\n0\r\n"),
         "the bases: 8 is not in 0..7"},
        {"runners not on the bases", Replace("3,1,0\r\n", "3,0,0\r\n"),
         "the runners (3,0,0) do not match the bases (5)"},
        {"a gap in the runners", Replace("3,1,0\r\n", "3,0,1\r\n"), "the runners (3,0,1)"},
        {"four outs", Replace(queue, "\r\n5\r\n0\r\n3,1,0\r\n6\r\n4\r\n0\r\n"), "the outs: 4"},
        {"reserved word", Replace(queue, "\r\n5\r\n1\r\n3,1,0\r\n6\r\n2\r\n0\r\n"),
         "the reserved word: 1 is not in 0..0"},
        {"inning past the limit", Replace(queue, "\r\n5\r\n0\r\n3,1,0\r\n100001\r\n2\r\n0\r\n"),
         "the inning: 100001 is not in 1..100000"},
        {"missing comma", Replace("3,1,0\r\n", "3 1,0\r\n"), "expected ','"},
        {"short line score", Replace(visitorScore, "0,1,0,2\r\n"),
         "line 81: inning 5 of the visitors' line score: expected ','"},
        {"line score below -1", Replace(visitorScore, "0,1,0,2,0,1,-2,-1,-1\r\n"), "-2 is not in"},
        {"line score not the runs", Replace(visitorScore, "0,1,0,2,0,2,-1,-1,-1\r\n"),
         "the visitors' line score (0,1,0,2,0,2,-1,-1,-1) does not add up to their 4 runs"},
        {"runs in an inning not begun", Replace(homeScore, "0,0,2,0,0,0,0,-1,-1\r\n"),
         "the home team's line score (0,0,2,0,0,0,0,-1,-1) does not fit inning 6"},
        {"half-inning runs", Replace(queue, "\r\n5\r\n0\r\n3,1,0\r\n6\r\n2\r\n1\r\n"),
         "1 runs in this half-inning do not match the line score"},
        {"hits not in the box score", Replace(counters, "1\r\n3\r\n7\r\n4\r\n2\r\n3\r\n0\r\n"),
         "the visitors' box score has 2 hits, the scoreboard 3"},
        {"log cut inside a line", good.substr(0, good.size() - 3), "the play-by-play is cut short"},
        {"no log", good.substr(0, LogStart()), "the play-by-play is missing"},
        // Files that crashed, hung or overflowed before their numbers were checked.
        {"q_first_bad.gam", ReadBytes(kBadSaves / "q_first_bad.gam"),
         "the runners (0,0,1) do not match the bases (1)", true},
        {"q_second_bad.gam", ReadBytes(kBadSaves / "q_second_bad.gam"),
         "the runners (0,5,0) do not match the bases (2)", true},
        {"double_steal_queue.gam", ReadBytes(kBadSaves / "double_steal_queue.gam"),
         "the runners (1,0,2) do not match the bases (3)", true},
        {"hang_outs3.gam", ReadBytes(kBadSaves / "hang_outs3.gam"),
         "3 outs in a game that is not over", true},
        {"overflow_hits.gam", ReadBytes(kBadSaves / "overflow_hits.gam"),
         "line 69: the home team's hits: 2147483647 is not in 0..1000000", true},
        {"overflow_home_runs.gam", ReadBytes(kBadSaves / "overflow_home_runs.gam"),
         "line 67: the home team's runs: 2147483646 is not in 0..1000000", true},
    };
    const bool demoBuilt = std::filesystem::exists(kDemoLeague / "LegendDB");
    if (!demoBuilt)
        std::cout << "note: no demo league in " << kDemoLeague << "; its files skipped\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.demo && !demoBuilt) continue;
        std::string reason;
        EXPECT_FALSE(LoadAfterGoodGame(c.bytes, c.demo, reason));
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        ExpectCleanState(c.demo ? demo.game : session.game);
    }
}

TEST_F(FailedRead, MissingFileDatabaseOrPath) {
    WriteBytes(install.dir / "good.gam", good);
    EXPECT_FALSE(ReadSavedGame(session, ""));
    ExpectCleanState(session.game);
    ASSERT_TRUE(ReadSavedGame(session, install.dir / "good.gam"));
    EXPECT_FALSE(ReadSavedGame(session, install.dir / "missing.gam"));
    ExpectCleanState(session.game);
    EXPECT_FALSE(LoadSavedGame(session, install.dir.path()));  // a folder, not a file
    ExpectCleanState(session.game);

    TempDir empty;
    Session noDatabase;
    noDatabase.installDirectory = empty.path();
    EXPECT_FALSE(ReadSavedGame(noDatabase, install.dir / "good.gam"));
    ExpectCleanState(noDatabase.game);
}

// A saved game cut short anywhere before its play-by-play never loads; cut inside the
// play-by-play it loads with the lines that are whole, and is refused when a line is
// cut in two.
TEST_F(FailedRead, EveryTruncation) {
    const std::size_t logStart = LogStart();
    // Each line cut before its line end, between its CR and LF, in its middle, and
    // after it.
    std::vector<std::size_t> sizes;
    for (std::size_t start = 0, end; (end = good.find('\n', start)) != std::string::npos;
         start = end + 1) {
        sizes.insert(sizes.end(), {start + (end - start) / 2, end - 1, end, end + 1});
    }
    for (std::size_t size : sizes) {
        const std::string cut = good.substr(0, size);
        // A new file each time: replacing one file thousands of times waits on the disk.
        const auto file = install.dir / fmt::format("cut{}.gam", size);
        WriteBytes(file, cut);
        const bool loaded = ReadSavedGame(session, file);
        const bool wholeLogLines = size > logStart && good[size - 1] == '\n';
        ASSERT_EQ(loaded, wholeLogLines) << "cut at byte " << size;
        if (loaded) {
            ASSERT_EQ(ReplaceAll(good.substr(logStart, size - logStart), "\r\r\n", "\r\n"),
                      session.game.playLog)
                << size;
        } else {
            ExpectCleanState(session.game);
        }
    }
}

// Custom teams load again: after LegendDB the custom teams are searched, and a
// custom team that shares a historical team's name is found by its players.
TEST(SavedGameTeams, CustomTeamsLoadAgain) {
    TeamList custom;
    AddLeagueTeam(custom, "Night Owls", 91);
    AddLeagueTeam(custom, "2001 Bears", 57, "Cubby");  // a LegendDB team's name
    Installation install(custom);
    const std::pair<const char*, const char*> games[] = {{"Night Owls", "2001 Aces"},
                                                         {"2001 Bears", "Night Owls"}};
    for (const auto& [visitors, home] : games) {
        SCOPED_TRACE(visitors);
        Session original;
        install.Attach(original);
        const bool legendHome = std::string(home) == "2001 Aces";
        StartGame(original, visitors, home, legendHome, true, !legendHome);
        MidGameCounters(original.game, false);
        ASSERT_TRUE(WriteSavedGame(original.game, install.dir / "custom.gam"));
        Session loaded;
        install.Attach(loaded);
        ASSERT_TRUE(LoadSavedGame(loaded, install.dir / "custom.gam"));
        EXPECT_EQ(Describe(loaded.game), Describe(original.game));
        EXPECT_EQ(loaded.game.visitor.team, LookupTeam(loaded.teams.customTeams, visitors));
    }
}

// A name holding a line end cannot be read back: the save is refused and an older
// saved game under that name survives, as it does when the folder cannot be written.
TEST(SavedGameWrite, RefusedSavesKeepTheOlderFile) {
    Installation install;
    Session session;
    install.Attach(session);
    StartGame(session, "2001 Aces", "2001 Bears", false);
    const auto file = install.dir / "keep.gam";
    ASSERT_TRUE(WriteSavedGame(session.game, file));
    const std::string older = ReadBytes(file);

    GameState& game = session.game;
    std::string& teamName = game.visitor.team->name;
    std::string& playerName = game.home.boxLines[3].front()->name;
    const std::string team = teamName;
    const std::string player = playerName;
    for (const char* bad : {"\n", "\r", "\r\n"}) {
        teamName = team + bad + "x";
        EXPECT_FALSE(WriteSavedGame(game, file));
        teamName = team;
        playerName = player + bad;
        EXPECT_FALSE(WriteSavedGame(game, file));
        playerName = player;
    }
    EXPECT_FALSE(WriteSavedGame(game, install.dir / "no such folder" / "x.gam"));
    EXPECT_FALSE(WriteSavedGame(game, ""));
    EXPECT_EQ(ReadBytes(file), older);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(install.dir.path()), {}), 3)
        << "no temporary file is left beside the saved game";

    ResetGame(game);  // a game without BoxLines holds nothing to continue
    EXPECT_FALSE(WriteSavedGame(game, file));
    EXPECT_EQ(ReadBytes(file), older);
}

}  // namespace
}  // namespace velmoro
