// Turns, half-innings and the end of the game, played through PlayTurn.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/play_log.h"
#include "engine/turns.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class Turns : public ::testing::Test {
  protected:
    void SetUp() override {
        session.SetDisplay(&screen);
        TeamRecord& visitors = MakeTeam(teams, "Away", 0);
        SetUpGame(session, visitors, MakeTeam(teams, "Home", 3), false);
        logPath = std::filesystem::path(::testing::TempDir()) /
                  ("GameLog_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove(logPath);
        session.gameLogPath = logPath;
    }
    // The late innings of a game, the given side at bat with these scores, all scored in
    // the first inning (the line score adds up, as the debug build checks).
    void LateInning(int inning, int side, int visitorRuns, int homeRuns, int outs) {
        for (int i = 1; i <= 9; ++i) {
            game.visitor.lineScore[i - 1] = i <= inning ? 0 : -1;
            game.home.lineScore[i - 1] = i < inning || (i == inning && side == kHome) ? 0 : -1;
        }
        game.visitor.lineScore[0] = visitorRuns;
        game.home.lineScore[0] = homeRuns;
        game.halfInningRuns = 0;
        game.inning = inning;
        game.battingSide = side;
        game.visitor.teamRuns = visitorRuns;
        game.home.teamRuns = homeRuns;
        game.outs = outs;
        ResumeBattingOrder(game);
    }
    std::string Turn(PlateResult result) {
        ForceSide(game, game.battingSide, result);
        const std::size_t before = game.playLog.size();
        screen.calls.clear();
        PlayTurn(session, 0, 0);
        return game.playLog.substr(before);
    }

    TeamList teams;
    RecordingDisplay screen;
    Session session;
    GameState& game = session.game;
    std::filesystem::path logPath;
};

TEST_F(Turns, HomeLeadingAfterTheTopOfTheNinthEndsTheGame) {
    LateInning(9, kVisitors, 1, 3, 2);
    EXPECT_EQ(Turn(PlateResult::Strikeout), "Away F0  Struckout.\r\n");
    EXPECT_TRUE(screen.Has("Box 2 9 x"));
    EXPECT_EQ(screen.Count("GameOver"), 1);
    EXPECT_FALSE(screen.Has("Box 2 9 0"));
    EXPECT_EQ(game.home.lineScore[8], -1);
    EXPECT_TRUE(IsGameOver(game));
    EXPECT_EQ(ReadFile(logPath), BoxScoreText(game));

    // Every further press writes the file again and asks again; nothing else changes.
    std::filesystem::remove(logPath);
    const std::string log = game.playLog;
    screen.calls.clear();
    PlayTurn(session, 0, 0);
    EXPECT_EQ(screen.calls, std::vector<std::string>{"GameOver"});
    EXPECT_EQ(game.playLog, log);
    EXPECT_TRUE(std::filesystem::exists(logPath));
}

TEST_F(Turns, TiedGamesGoToExtraInningsWithoutInningBoxes) {
    LateInning(9, kHome, 2, 2, 2);
    EXPECT_EQ(Turn(PlateResult::Strikeout), "Home F0  Struckout.\r\n\r\nTop of inning 10.\r\n");
    EXPECT_TRUE(screen.Has("Inning INNING: 10 (top)"));
    EXPECT_EQ(game.inning, 10);
    EXPECT_EQ(game.battingSide, kVisitors);
    EXPECT_FALSE(screen.Has("Box 1 10 0")) << "no inning box after the ninth";
    EXPECT_FALSE(IsGameOver(game));

    const auto visitorLine = game.visitor.lineScore;
    EXPECT_EQ(Turn(PlateResult::HomeRun), "Away F0  hit a Home Run. 1 run scored\r\n");
    EXPECT_EQ(screen.Count("Box 1 10 3"), 1) << "the R box only, no inning box";
    EXPECT_TRUE(screen.Has("Box 1 11 1"));
    EXPECT_EQ(game.visitor.lineScore, visitorLine);
    for (int out = 0; out < 2; ++out)
        Turn(PlateResult::Strikeout);
    EXPECT_EQ(Turn(PlateResult::Strikeout), "Away F3  Struckout.\r\n\r\nBottom of inning 10.\r\n");

    // The home team does not answer: the game ends at the third out of the tenth.
    for (int out = 0; out < 2; ++out)
        Turn(PlateResult::Strikeout);
    EXPECT_FALSE(screen.Has("GameOver"));
    EXPECT_EQ(Turn(PlateResult::Strikeout), "Home F3  Struckout.\r\n");
    EXPECT_EQ(screen.Count("GameOver"), 1);
    EXPECT_FALSE(screen.Has("Box 2 9 x"));
}

TEST_F(Turns, LastHalfInningEndsTheGameWhenTheLeaderIsClear) {
    // The home side going ahead in the ninth wins at once; visitors ahead after the
    // bottom of the ninth win without another inning.
    LateInning(9, kHome, 1, 1, 1);
    game.batterIndex = game.home.nextBatter = 5;
    EXPECT_EQ(Turn(PlateResult::HomeRun), "Home F5  hit a Home Run. 1 run scored\r\n");
    EXPECT_EQ(screen.Count("GameOver"), 1);
    EXPECT_TRUE(std::none_of(screen.calls.begin(), screen.calls.end(), [](const auto& call) {
        return call.rfind("ShowHitter", 0) == 0;
    })) << "the next batter is not shown";
    EXPECT_EQ(game.home.lineScore[8], 1);
    EXPECT_EQ(screen.calls.back(), "ResetChoices 11");

    LateInning(9, kHome, 4, 2, 2);
    game.batterIndex = game.home.nextBatter = 0;
    EXPECT_EQ(Turn(PlateResult::GroundBall), "Home F0  Grounded out.\r\n");
    EXPECT_EQ(screen.Count("GameOver"), 1);
    EXPECT_FALSE(screen.Has("Box 2 9 x"));
    EXPECT_EQ(game.inning, 9);
}

TEST_F(Turns, BattingOrderWrapsAndEachSideResumes) {
    game.batterIndex = game.visitor.nextBatter = 7;
    for (int slot : {7, 8, 0}) {
        EXPECT_EQ(game.batterIndex, slot);
        Turn(PlateResult::Strikeout);
    }
    EXPECT_EQ(game.battingSide, kHome);
    EXPECT_EQ(game.visitor.nextBatter, 1);
    EXPECT_TRUE(screen.Has("Box 2 1 0"));
    EXPECT_TRUE(screen.Has("ShowPitcher " + game.visitor.lineup[9]->name));
    EXPECT_TRUE(screen.Has("ShowHitter Home F0"));
    for (int out = 0; out < 3; ++out)
        Turn(PlateResult::Strikeout);
    EXPECT_EQ(game.inning, 2);
    EXPECT_EQ(game.batterIndex, 1);
    EXPECT_EQ(game.home.nextBatter, 3);
    EXPECT_EQ(game.visitor.lineScore[1], 0);
    EXPECT_EQ(game.home.lineScore[0], 0);
    EXPECT_EQ(game.playLog,
              "Top of inning 1\r\n"
              "Away F7  Struckout.\r\n"
              "Away P16  Struckout.\r\n"
              "Away F0  Struckout.\r\n\r\nBottom of inning 1.\r\n"
              "Home F0  Struckout.\r\n"
              "Home F1  Struckout.\r\n"
              "Home F2  Struckout.\r\n\r\nTop of inning 2.\r\n");
}

TEST_F(Turns, PinchHitterWhoCannotFieldIsReplacedAfterTheTurn) {
    game.battingSide = kHome;
    game.batterIndex = 3;
    game.pinchHitterMustLeave = ShortstopPosition;
    int sideInDialog = 0;
    screen.onForcedSubstitution = [&] { sideInDialog = game.dialogSide; };
    Turn(PlateResult::Single);
    const auto row = std::find(screen.calls.begin(), screen.calls.end(), "ShowLineupRow 3");
    ASSERT_NE(row, screen.calls.end());
    EXPECT_EQ(*(row + 1),
              "Message Velmoro Baseball: Pinch Hitter must be replaced by position player");
    EXPECT_EQ(*(row + 2), "ForcedSubstitution");
    EXPECT_EQ(sideInDialog, kHome);
    EXPECT_EQ(game.pinchHitterMustLeave, 0);
    EXPECT_EQ(game.batterIndex, 4);
}

// Whole games with random choices: the bookkeeping must add up whatever happens.
void CheckFinishedGame(Session& session, const RecordingDisplay& screen) {
    GameState& game = session.game;
    ASSERT_TRUE(IsGameOver(game));
    EXPECT_NE(game.visitor.teamRuns, game.home.teamRuns);
    EXPECT_GE(game.inning, 9);
    EXPECT_EQ(screen.Count("GameOver"), 1);
    const GameSide* sides[] = {&game.visitor, &game.home};
    for (int s = 0; s < 2; ++s) {
        const GameSide& side = *sides[s];
        const GameSide& other = *sides[1 - s];
        int runs = 0, hits = 0, outsAgainst = 0, runsAllowed = 0;
        for (int slot = 0; slot < 9; ++slot) {
            for (const auto& line : side.boxLines[slot]) {
                runs += line->runs;
                hits += line->hits;
            }
        }
        for (const auto& line : other.boxLines[9]) {
            outsAgainst += line->pitching->outs;
            runsAllowed += line->pitching->runsAllowed;
        }
        EXPECT_EQ(runs, side.teamRuns);
        EXPECT_EQ(hits, side.hits);
        EXPECT_EQ(runsAllowed, side.teamRuns);
        int lineScoreRuns = 0;
        for (int inning = 0; inning < 9; ++inning)
            lineScoreRuns += std::max(0, side.lineScore[inning]);
        if (game.inning == 9) {
            EXPECT_EQ(lineScoreRuns, side.teamRuns);
        }
        const bool homeSkippedBottom = s == 1 && game.outs == 3 && !game.HomeBatting();
        const int fullInnings = s == 0 || homeSkippedBottom ? game.inning : game.inning - 1;
        EXPECT_GE(outsAgainst, 3 * fullInnings - (homeSkippedBottom ? 3 : 0));
    }
    // Headings for every half-inning played and none past the end (a double steal caught
    // for the third out writes its heading twice, so they are not counted).
    for (int inning = 2; inning <= game.inning; ++inning) {
        EXPECT_GT(Occurrences(game.playLog, "Top of inning " + std::to_string(inning) + "."), 0);
    }
    EXPECT_EQ(Occurrences(game.playLog, "Top of inning " + std::to_string(game.inning + 1)), 0);
    if (!game.HomeBatting()) {
        EXPECT_EQ(Occurrences(game.playLog, "Bottom of inning " + std::to_string(game.inning)), 0);
    }
}

TEST(WholeGames, RandomGamesEndWithConsistentBooks) {
    TeamList teams;
    TeamRecord& visitors = MakeTeam(teams, "1931 Visitors", 2);
    TeamRecord& home = MakeTeam(teams, "1931 Home", 6);
    std::mt19937 choices(7);
    for (int gameNumber = 0; gameNumber < 300; ++gameNumber) {
        SCOPED_TRACE(gameNumber);
        Session session;
        RecordingDisplay screen;
        session.SetDisplay(&screen);
        session.gameLogPath.clear();
        session.random.SetFixedSeed(static_cast<std::uint32_t>(gameNumber));
        SetUpGame(session, visitors, home, gameNumber % 2 == 1);
        const bool strategies = gameNumber % 3 == 0;
        for (int turn = 0; turn < 5000 && !IsGameOver(session.game); ++turn) {
            const int offensive = strategies ? static_cast<int>(choices() % 4) : 0;
            const int defensive = strategies ? static_cast<int>(choices() % 3) : 0;
            PlayTurn(session, offensive, defensive);
            const GameState& game = session.game;
            ASSERT_EQ(RunnersOnBase(game),
                      std::count_if(game.runnerQueue.begin(), game.runnerQueue.end(),
                                    [](int place) { return place != 0; }));
            ASSERT_TRUE(game.outs < 3 || IsGameOver(game));
        }
        CheckFinishedGame(session, screen);
    }
}

}  // namespace
}  // namespace velmoro::testing
