// The play-by-play lines and headings, and the GameLog bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/play_log.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

TEST(PlayLog, LinesComposedFromNameTextRunsAndSuffix) {
    const struct {
        const char* name;
        const char* text;
        int runs;
        const char* suffix;
        std::string appended;
    } cases[] = {
        {"Ruth", " Struckout.", 0, "", "Ruth  Struckout.\r\n"},
        {"Ruth", " hit a Single.", 0, "runs scored", "Ruth  hit a Single.\r\n"},
        {"Ruth", " hit a Single.", 1, "runs scored", "Ruth  hit a Single. 1 run scored\r\n"},
        {"Ruth", " hit a Double.", 2, "runs scored", "Ruth  hit a Double. 2 runs scored\r\n"},
        {"Ruth", "stole home.", 1, "run scored", "Ruth stole home. 1 run scored\r\n"},
        {"Ruth", "x", 1, "", "Ruth x 1 \r\n"},
        {"Ruth", "x", 3, "total", "Ruth x 3 total\r\n"},
        // A name is logged whatever it holds; the screen's refresh is ShowPlayLog.
        {"Top of inning Jones", " Walked.", 0, "", "Top of inning Jones  Walked.\r\n"},
        {"", "", 0, "", "ShowPlayLog"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.appended);
        Session session;
        RecordingDisplay screen;
        session.SetDisplay(&screen);
        const bool refresh = c.appended == "ShowPlayLog";
        if (refresh) {
            ShowPlayLog(session);
        } else {
            LogPlay(session, c.name, c.text, c.runs, c.suffix);
        }
        EXPECT_EQ(session.game.playLog, "Top of inning 1\r\n" + (refresh ? "" : c.appended));
        EXPECT_EQ(screen.lastLog, session.game.playLog);
        EXPECT_TRUE(screen.Has("Outs Outs: 0"));
    }
}

TEST(PlayLog, HeadingAfterTheThirdOutUnlessTheGameIsOver) {
    const struct {
        int side, inning, visitorRuns, homeRuns;
        std::string heading, caption;
    } cases[] = {
        {kVisitors, 1, 0, 0, "\r\nBottom of inning 1.\r\n", "Inning INNING: 1 (bottom)"},
        {kVisitors, 9, 3, 2, "\r\nBottom of inning 9.\r\n", "Inning INNING: 9 (bottom)"},
        {kVisitors, 12, 2, 2, "\r\nBottom of inning 12.\r\n", "Inning INNING: 12 (bottom)"},
        {kVisitors, 9, 2, 3, "", ""},
        {kHome, 3, 0, 5, "\r\nTop of inning 4.\r\n", "Inning INNING: 4 (top)"},
        {kHome, 9, 4, 4, "\r\nTop of inning 10.\r\n", "Inning INNING: 10 (top)"},
        {kHome, 9, 5, 4, "", ""},
        {kHome, 11, 4, 5, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        Session session;
        RecordingDisplay screen;
        session.SetDisplay(&screen);
        GameState& game = session.game;
        game.battingSide = c.side;
        game.inning = c.inning;
        game.visitor.teamRuns = c.visitorRuns;
        game.home.teamRuns = c.homeRuns;
        game.outs = 3;
        LogPlay(session, "Gehrig", " Popped out.", 0);
        EXPECT_EQ(game.playLog, "Top of inning 1\r\nGehrig  Popped out.\r\n" + c.heading);
        EXPECT_EQ(screen.Has(c.caption), !c.caption.empty());
        EXPECT_TRUE(screen.Has("Outs Outs: 0"));
    }
    Session session;
    RecordingDisplay screen;
    session.SetDisplay(&screen);
    for (int outs : {1, 2}) {
        session.game.outs = outs;
        LogPlay(session, "Lazzeri", " Grounded out.", 0);
        EXPECT_EQ(screen.calls.back(), "Outs Outs: " + std::to_string(outs));
    }
}

TEST(PlayLog, NoCapOnLongGames) {
    Session session;
    for (int play = 0; play < 2000; ++play)
        LogPlay(session, "Combs", " Walked.", 0);
    EXPECT_EQ(session.game.playLog.size(), 17u + 2000u * 16u);
}

// A small finished game whose box score is known byte for byte.
class BoxScore : public ::testing::Test {
  protected:
    void SetUp() override {
        TeamRecord& visitors = MakeTeam(teams, "1927 Yankees", 0);
        SetUpGame(session, visitors, MakeTeam(teams, "1927 Athletics Of Philadelphia", 2), false);
        GameState& game = session.game;
        game.visitor.teamRuns = 3;
        game.home.teamRuns = 12;
        BoxLine& leadoff = *game.visitor.boxLines[0].front();
        leadoff.atBats = 4;
        leadoff.runs = 1;
        leadoff.hits = 2;
        leadoff.rbi = 3;
        leadoff.walks = 1;
        leadoff.doubles = 1;
        leadoff.homeRuns = 1;
        // A pinch hitter below the starter in slot 4, then a long-named replacement.
        auto pinch = std::make_unique<BoxLine>("Pinch Hitter");
        pinch->atBats = 1;
        game.visitor.boxLines[4].push_back(std::move(pinch));
        auto longName = std::make_unique<BoxLine>("Bartholomew Longname-Smythe");
        longName->positions = FirstBasePosition;
        game.visitor.boxLines[4].push_back(std::move(longName));
        game.visitor.boxLines[9].front()->pitching->outs = 24;
        game.visitor.boxLines[9].front()->pitching->runsAllowed = 12;
        game.visitor.boxLines[9].front()->pitching->hitsAllowed = 14;
        game.visitor.boxLines[9].front()->pitching->strikeouts = 3;
        game.visitor.boxLines[9].front()->pitching->walks = 5;
        auto reliever = std::make_unique<BoxLine>("Reliever");
        reliever->pitching = std::make_unique<BoxPitching>();
        reliever->pitching->outs = 1;
        game.visitor.boxLines[9].push_back(std::move(reliever));
        // Hits kept in 8 bits: a stored 4 over 500 at-bats reads 260.
        game.home.boxLines[2].front()->atBats = 501;
        game.home.boxLines[2].front()->hits = 4;
    }

    TeamList teams;
    Session session;
};

const char* const kExpectedGameLog =
    "1927 Yankees 3, 1927 Athletics Of Philadelphia 12\r\n\r\n"
    "1927 Yankees Hitting Stats\r\n\r\n"
    "Name                     AB\tR\tH\tRBI\tBB\t2B\t3B\tHR\r\n"
    "1927 Yankees F0 (c)      4\t1\t2\t3\t1\t1\t0\t1\r\n"
    "1927 Yankees F1 (1b)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F2 (2b)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F3 (ss)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F4 (3b)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "Pinch Hitter (ph)        1\t0\t0\t0\t0\t0\t0\t0\r\n"
    "Bartholomew Longname-Smythe (1b)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F5 (lf)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F6 (cf)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees F7 (rf)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Yankees P16 (p)     0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "\r\n1927 Yankees Pitching Stats\r\n\r\n"
    "Name                     IP\tER\tH\tK\tBB\r\n"
    "1927 Yankees P16         8.0\t12\t14\t3\t5\r\n"
    "Reliever                 0.1\t0\t0\t0\t0\r\n"
    "\r\n\r\n"
    "1927 Athletics Of Philadelphia Hitting Stats\r\n\r\n"
    "Name                     AB\tR\tH\tRBI\tBB\t2B\t3B\tHR\r\n"
    "1927 Athletics Of Philadelphia F0 (c)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F1 (1b)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F2 (2b)501\t0\t260\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F3 (ss)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F4 (3b)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F5 (lf)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F6 (cf)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia F7 (rf)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "1927 Athletics Of Philadelphia P16 (p)0\t0\t0\t0\t0\t0\t0\t0\r\n"
    "\r\n1927 Athletics Of Philadelphia Pitching Stats\r\n\r\n"
    "Name                     IP\tER\tH\tK\tBB\r\n"
    "1927 Athletics Of Philadelphia P160.0\t0\t0\t0\t0\r\n";

TEST_F(BoxScore, GameLogBytes) {
    EXPECT_EQ(BoxScoreText(session.game), kExpectedGameLog);

    const auto dir = std::filesystem::path(::testing::TempDir()) / "velmoro_gamelog";
    std::filesystem::create_directories(dir);
    session.gameLogPath = dir / "GameLog";
    std::ofstream(session.gameLogPath) << "an older, longer box score that must not survive\n\n\n";
    WriteGameLog(session);
    std::ifstream file(session.gameLogPath, std::ios::binary);
    std::ostringstream written;
    written << file.rdbuf();
    file.close();  // Windows removes no file that is still open
    EXPECT_EQ(written.str(), kExpectedGameLog);

    // A place that cannot be written is told to the display with the system's reason,
    // and the old file stays as it was.
    RecordingDisplay display;
    session.SetDisplay(&display);
    session.gameLogPath = dir / "GameLog" / "inside";
    EXPECT_FALSE(WriteGameLog(session));
    ASSERT_FALSE(display.calls.empty());
    // The reason is the system's own: "Not a directory" here, another text on Windows.
    const std::string told = "Message Velmoro Baseball Error: Cannot write the box score to " +
                             session.gameLogPath.string() + ": ";
    EXPECT_EQ(display.calls.back().rfind(told, 0), 0u) << display.calls.back();
    EXPECT_GT(display.calls.back().size(), told.size());
    session.SetDisplay(nullptr);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace velmoro::testing
