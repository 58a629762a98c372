// Saved games: the bytes on disk, exact restoration, and reads that must fail cleanly.
#include "saves/saved_game.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "engine/turns.h"
#include "saves/game_fixture.h"

namespace velmoro {
namespace {

using namespace velmoro::testing;

struct RoundTripCase {
    const char* label;
    bool dh;
    bool homeAtBat;
    bool pinchHitter;
    bool relief;
    bool longLog;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Saving and loading in a new run restores the game exactly, and saving the loaded
// game again gives the same bytes.
TEST_P(RoundTrip, LoadRestoresTheGameExactly) {
    const RoundTripCase& c = GetParam();
    Installation install;
    Session original;
    install.Attach(original);
    StartGame(original, "2001 Aces", "2001 Bears", c.dh);
    GameState& game = original.game;
    MidGameCounters(game, c.homeAtBat);
    if (c.pinchHitter) PinchHit(game.visitor, 4);
    if (c.relief) ChangePitcher(game.home);
    if (c.longLog) {
        for (int i = 0; i < 400; ++i)
            game.playLog += fmt::format("Player {}  Struckout.\r\n", i);
    }

    const auto file = install.dir / "game.gam";
    ASSERT_TRUE(WriteSavedGame(game, file));
    Session loaded;
    install.Attach(loaded);
    ASSERT_TRUE(LoadSavedGame(loaded, file));
    EXPECT_EQ(Describe(loaded.game), Describe(game));
    EXPECT_EQ(loaded.game.designatedHitter, c.dh ? 1 : 0);

    const auto again = install.dir / "again.gam";
    ASSERT_TRUE(WriteSavedGame(loaded.game, again));
    EXPECT_EQ(ReadBytes(again), ReadBytes(file));
}

INSTANTIATE_TEST_SUITE_P(
    Games, RoundTrip,
    // Plain games at every turn, with and without the designated hitter, are covered
    // by EveryTurnOfPlayedGamesLoadsExactly; these add what turns alone do not make.
    ::testing::Values(RoundTripCase{"pinchHitter", false, false, true, false, false},
                      RoundTripCase{"relief", false, true, false, true, false},
                      RoundTripCase{"reliefWithDh", true, false, true, true, false},
                      RoundTripCase{"longLog", false, false, false, false, true}),
    [](const auto& info) { return std::string(info.param.label); });

// After every turn of real games, the last one included, the saved game loads into a
// new run as the very state the game is in: runners, outs (3 when the last out ended
// the game), the batter due and every BoxLine.
TEST(SavedGame, EveryTurnOfPlayedGamesLoadsExactly) {
    Installation install;
    for (const bool dh : {false, true}) {
        Session session;
        install.Attach(session);
        session.random.SetFixedSeed(dh ? 99u : 7u);
        StartGame(session, "2001 Aces", "2001 Dukes", dh);
        OpenPlayScreen(session);
        for (int turn = 0;; ++turn) {
            SCOPED_TRACE(fmt::format("dh {} turn {}", dh, turn));
            const auto file = install.dir / fmt::format("t{}-{}.gam", dh, turn);
            ASSERT_TRUE(WriteSavedGame(session.game, file));
            Session loaded;
            install.Attach(loaded);
            ASSERT_TRUE(LoadSavedGame(loaded, file));
            ASSERT_EQ(Describe(loaded.game), Describe(session.game));
            if (IsGameOver(session.game)) {
                EXPECT_EQ(session.game.outs, 3) << "these seeds end on a third out";
                break;
            }
            PlayTurn(session, turn % 9 == 4 ? 2 : 0, turn % 11 == 5 ? 1 : 0);
        }
    }
}

// A replay after loading starts from the file's starters, the designated hitter's
// starting pitcher included.
TEST(SavedGame, ReplayAfterLoadStartsWithTheStarters) {
    for (bool dh : {false, true}) {
        Installation install;
        Session original;
        install.Attach(original);
        StartGame(original, "2001 Colts", "2001 Dukes", dh);
        const std::string starters = Describe(original.game);
        ChangePitcher(original.game.visitor);
        PinchHit(original.game.home, 6);
        const auto file = install.dir / "g.gam";
        ASSERT_TRUE(WriteSavedGame(original.game, file));

        Session loaded;
        install.Attach(loaded);
        ASSERT_TRUE(LoadSavedGame(loaded, file));
        PrepareReplay(loaded.game);
        PrepareReplay(original.game);
        EXPECT_EQ(Describe(loaded.game), Describe(original.game)) << "dh " << dh;
        EXPECT_EQ(Describe(loaded.game), starters) << "dh " << dh;
    }
}

// The bytes a Windows text-mode writer gives: the field order of the file and CR LF
// line ends, the play-by-play's own lines ending CR CR LF, nothing added at the end.
TEST(SavedGame, FileBytes) {
    Installation install;
    Session session;
    install.Attach(session);
    StartGame(session, "2001 Aces", "2001 Bears", false);
    GameState& game = session.game;
    BoxLine& first = *game.visitor.boxLines[0].front();
    first.atBats = 1, first.runs = 2, first.hits = 3, first.doubles = 4, first.triples = 5;
    first.homeRuns = 6, first.rbi = 7, first.stolenBases = 8, first.caughtStealing = 9;
    first.walks = 10, first.strikeouts = 11;
    BoxPitching& pitching = *game.visitor.boxLines[9].front()->pitching;
    pitching.outs = 13, pitching.runsAllowed = 2, pitching.hitsAllowed = 5;
    pitching.strikeouts = 7, pitching.walks = 3;
    MidGameCounters(game, true);
    game.visitor.errors = 1;

    std::string bytes;
    ASSERT_TRUE(SavedGameText(game, bytes));
    const std::string head =
        fmt::format("2001 Aces\r\n2001 Bears\r\n{}\r\n1,2,3,4,5,6,7,8,9,10,11,{}\r\n0\r\n",
                    first.name, first.positions);
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    const std::string pitcher =
        fmt::format("{}\r\n13,2,5,7,3\r\n0\r\n", game.visitor.boxLines[9].front()->name);
    EXPECT_NE(bytes.find(pitcher), std::string::npos);
    const std::string tail =
        "1\r\n3\r\n7\r\n4\r\n2\r\n2\r\n0\r\n1\r\n0\r\n5\r\n0\r\n3,1,0\r\n6\r\n2\r\n0\r\n"
        "0,1,0,2,0,1,-1,-1,-1\r\n0,0,2,0,0,0,-1,-1,-1\r\n"
        "Top of inning 1\r\r\n\r\r\nBottom of inning 5.\r\r\nSomebody  hit a Single.\r\r\n";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    // Saving twice in a row gives the same file.
    const auto file = install.dir / "twice.gam";
    ASSERT_TRUE(WriteSavedGame(game, file));
    EXPECT_EQ(ReadBytes(file), bytes);
    ASSERT_TRUE(WriteSavedGame(game, file));
    EXPECT_EQ(ReadBytes(file), bytes);
}

// Files whose lines end in LF (as a writer without line-end translation gives, the log
// then ending CR LF), in LF only, or with blanks between numbers read back the same.
TEST(SavedGame, AcceptedLineEndsAndBlanks) {
    Installation install;
    Session session;
    install.Attach(session);
    StartGame(session, "2001 Aces", "2001 Bears", true);
    MidGameCounters(session.game, false);
    std::string bytes;
    ASSERT_TRUE(SavedGameText(session.game, bytes));
    const std::size_t logStart = bytes.find("Top of inning 1");
    const std::string numbersSpaced =
        ReplaceAll(ReplaceAll(bytes.substr(0, logStart), ",", ", "), "\r\n0\r\n", "\r\n 0 \r\n") +
        bytes.substr(logStart);
    const std::string counterBlankLines =
        ReplaceAll(bytes, "\r\n3,1,0\r\n", "\r\n\r\n\t3,1,0\r\n\r\n");

    const std::pair<const char*, std::string> variants[] = {
        {"unix writer", ReplaceAll(bytes, "\r\n", "\n")},
        {"lf only", ReplaceAll(bytes, "\r", "")},
        {"spaced numbers", numbersSpaced},
        {"blank lines", counterBlankLines},
    };
    for (const auto& [label, variant] : variants) {
        WriteBytes(install.dir / "v.gam", variant);
        Session loaded;
        install.Attach(loaded);
        ASSERT_TRUE(LoadSavedGame(loaded, install.dir / "v.gam")) << label;
        EXPECT_EQ(Describe(loaded.game), Describe(session.game)) << label;
    }
}

}  // namespace
}  // namespace velmoro
