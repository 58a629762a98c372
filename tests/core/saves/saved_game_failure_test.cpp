// Saved games that cannot be read or written: false, and nothing half-done left behind.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "saves/game_fixture.h"
#include "saves/saved_game.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

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
    }

    // Loads the good file first, then the given bytes.
    bool LoadAfterGoodGame(const std::string& bytes) {
        WriteBytes(install.dir / "good.gam", good);
        EXPECT_TRUE(ReadSavedGame(session, install.dir / "good.gam"));
        WriteBytes(install.dir / "bad.gam", bytes);
        return ReadSavedGame(session, install.dir / "bad.gam");
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
    std::string good;
};

TEST_F(FailedRead, MalformedFilesGiveFalseAndACleanGame) {
    const GameState& g = original.game;
    const std::string pitcher = g.home.boxLines[9].front()->name;
    const std::string counters = "1\r\n3\r\n7\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"empty file", ""},
        {"garbage", "this is not a saved game\r\n\x01\x02\xff"},
        {"unknown visitors", Replace("2001 Aces\r\n", "2001 Aardvarks\r\n")},
        {"unknown home team", Replace("2001 Bears\r\n", "2001 bears\r\n")},
        {"unknown player", Replace(pitcher + "\r\n", "Nobody At All\r\n")},
        {"player of the other team", Replace(pitcher + "\r\n", g.visitor.lineup[9]->name + "\r\n")},
        {"short numbers", Replace(",0,0,0,0\r\n", ",0,0\r\n")},
        {"letters for a number", Replace(counters, "1\r\nthree\r\n7\r\n")},
        {"flag not 0 or 1", Replace("\r\n0\r\n", "\r\n2\r\n")},
        {"position above 10", Replace(",2\r\n0\r\n", ",11\r\n0\r\n")},
        {"count that does not fit", Replace("\r\n0,0,", "\r\n0,256,")},
        {"number too large", Replace(counters, "1\r\n99999999999\r\n7\r\n")},
        {"next batter past the ninth", Replace(counters, "1\r\n9\r\n7\r\n")},
        {"bases beyond loaded", Replace("\r\n5\r\n0\r\n3,1,0", "\r\n8\r\n0\r\n3,1,0")},
        {"runners not on the bases", Replace("3,1,0\r\n", "3,0,0\r\n")},
        {"four outs", Replace("3,1,0\r\n6\r\n2\r\n", "3,1,0\r\n6\r\n4\r\n")},
        {"missing comma", Replace("3,1,0\r\n", "3 1,0\r\n")},
        {"short line score", Replace("0,1,0,2,0,1,-1,-1,-1\r\n", "0,1,0,2\r\n")},
        {"line score below -1", Replace("0,1,0,2,0,1,-1,-1,-1\r\n", "0,1,0,2,0,1,-2,-1,-1\r\n")},
        {"log cut inside a line", good.substr(0, good.size() - 3)},
        {"no log", good.substr(0, LogStart())},
    };
    for (const auto& [label, bytes] : cases) {
        SCOPED_TRACE(label);
        EXPECT_FALSE(LoadAfterGoodGame(bytes));
        ExpectCleanState(session.game);
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
