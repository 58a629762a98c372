// Base running, outs, scoring and the statistics each play credits.
#include <gtest/gtest.h>

#include "engine/running.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

class Running : public ::testing::Test {
  protected:
    void SetUp() override {
        session.SetDisplay(&screen);
        TeamRecord& visitors = MakeTeam(teams, "V", 0);
        SetUpGame(session, visitors, MakeTeam(teams, "H", 3), false);
        game.batterIndex = 4;
    }
    // The text the play added to the log.
    std::string Play(PlateResult result, std::uint32_t draw, PlayResult* outcome = nullptr) {
        const std::size_t before = game.playLog.size();
        PlayResult played = PlayPlateResult(session, result, draw);
        if (outcome) *outcome = played;
        return game.playLog.substr(before);
    }
    BoxLine& Line(int slot) { return CurrentLine(game.visitor, slot); }
    BoxPitching& Pitcher() { return *CurrentPitcherLine(game).pitching; }

    TeamList teams;
    RecordingDisplay screen;
    Session session;
    GameState& game = session.game;
};

TEST_F(Running, EachResultMovesRunnersAndWritesItsLine) {
    using enum PlateResult;
    const struct {
        const char* name;
        int bases;
        std::vector<int> runners;  // batting slots, lead runner first
        int outs;
        PlateResult result;
        std::uint32_t draw;
        int runs, hits, basesAfter;
        std::array<int, 3> queueAfter;
        int outsAfter;
        std::string text;
    } cases[] = {
        // clang-format off
        {"grand slam", 7, {1, 2, 3}, 0, HomeRun, 0, 4, 1, 0, {0, 0, 0}, 0, "V F4  hit a Home Run. 4 runs scored\r\n"},
        {"triple clears two", 3, {2, 3}, 1, Triple, 60, 2, 1, 4, {5, 0, 0}, 1, "V F4  hit a Triple. 2 runs scored\r\n"},
        {"double, odd: runner from first scores", 1, {3}, 0, Double, 101, 1, 1, 2, {5, 0, 0}, 0, "V F4  hit a Double. 1 run scored\r\n"},
        {"double, even: runner from first to third", 5, {1, 3}, 0, Double, 100, 1, 1, 6, {4, 5, 0}, 0, "V F4  hit a Double. 1 run scored\r\n"},
        {"single, even, runner on first", 1, {3}, 0, Single, 200, 0, 1, 3, {4, 5, 0}, 0, "V F4  hit a Single.\r\n"},
        {"single, odd, first and second", 3, {2, 3}, 0, Single, 201, 1, 1, 5, {4, 5, 0}, 0, "V F4  hit a Single. 1 run scored\r\n"},
        {"single, even, first and second: all move one", 3, {2, 3}, 0, Single, 200, 0, 1, 7, {3, 4, 5}, 0, "V F4  hit a Single.\r\n"},
        {"walk, bases loaded", 7, {1, 2, 3}, 2, Walk, 300, 1, 0, 7, {3, 4, 5}, 2, "V F4  Walked. 1 run scored\r\n"},
        {"walk, runner on second stays", 2, {2}, 0, Walk, 300, 0, 0, 3, {3, 5, 0}, 0, "V F4  Walked.\r\n"},
        {"walk, runner on third stays", 4, {1}, 0, Walk, 300, 0, 0, 5, {2, 5, 0}, 0, "V F4  Walked.\r\n"},
        {"strikeout", 1, {3}, 0, Strikeout, 400, 0, 0, 1, {4, 0, 0}, 1, "V F4  Struckout.\r\n"},
        {"sacrifice fly, odd", 6, {1, 2}, 0, FlyBall, 601, 1, 0, 4, {3, 0, 0}, 1, "V F4  Flied out. 1 run scored\r\n"},
        {"fly, even: popped out, runner holds", 4, {1}, 0, FlyBall, 600, 0, 0, 4, {2, 0, 0}, 1, "V F4  Popped out.\r\n"},
        {"fly at two outs scores nobody", 4, {1}, 2, FlyBall, 601, 0, 0, 4, {2, 0, 0}, 3, "V F4  Flied out.\r\n\r\nBottom of inning 1.\r\n"},
        {"double play ends the inning", 1, {3}, 1, GroundBall, 801, 0, 0, 0, {0, 0, 0}, 3, "V F4  Grounded into double play. \r\n\r\nBottom of inning 1.\r\n"},
        {"double play, runner from second to third", 3, {2, 3}, 0, GroundBall, 801, 0, 0, 4, {3, 0, 0}, 2, "V F4  Grounded into double play. \r\n"},
        {"first and third, odd: run instead of double play", 5, {1, 3}, 1, GroundBall, 801, 1, 0, 2, {4, 0, 0}, 2, "V F4  Grounded out. 1 run scored\r\n"},
        {"ground ball, even: nobody moves", 5, {1, 3}, 0, GroundBall, 800, 0, 0, 5, {2, 4, 0}, 1, "V F4  Grounded out.\r\n"},
        {"two outs: no double play", 1, {3}, 2, GroundBall, 801, 0, 0, 1, {4, 0, 0}, 3, "V F4  Grounded out.\r\n\r\nBottom of inning 1.\r\n"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlaceRunners(game, c.bases, c.runners);
        game.outs = c.outs;
        PlayResult result;
        EXPECT_EQ(Play(c.result, c.draw, &result), c.text);
        EXPECT_EQ(result.runs, c.runs);
        EXPECT_EQ(result.hits, c.hits);
        EXPECT_EQ(result.errors, 0);
        EXPECT_EQ(game.bases, c.basesAfter);
        EXPECT_EQ(game.runnerQueue, c.queueAfter);
        EXPECT_EQ(game.outs, c.outsAfter);
    }
}

TEST_F(Running, GrandSlamCreditsEveryRunnerAndChargesThePitcher) {
    PlaceRunners(game, 7, {1, 2, 3});
    Play(PlateResult::HomeRun, 0);
    for (int slot : {1, 2, 3, 4})
        EXPECT_EQ(Line(slot).runs, 1) << slot;
    EXPECT_EQ(Line(4).rbi, 4);
    EXPECT_EQ(Line(4).atBats, 1);
    EXPECT_EQ(Line(4).hits, 1);
    EXPECT_EQ(Line(4).homeRuns, 1);
    EXPECT_EQ(Pitcher().runsAllowed, 4);
    EXPECT_EQ(Pitcher().hitsAllowed, 1) << "saves count hits allowed";
    EXPECT_EQ(Pitcher().outs, 0);
    for (int slot : {1, 2, 3})
        EXPECT_TRUE(screen.Has("ShowLineupRow " + std::to_string(slot)));
}

TEST_F(Running, BatterAndPitcherStatisticsPerResult) {
    // Sacrifice fly: an at-bat and an RBI; double play: two outs for the pitcher.
    PlaceRunners(game, 4, {1});
    Play(PlateResult::FlyBall, 601);
    EXPECT_EQ(Line(4).atBats, 1);
    EXPECT_EQ(Line(4).rbi, 1);
    PlaceRunners(game, 1, {3});
    Play(PlateResult::GroundBall, 801);
    EXPECT_EQ(Line(4).atBats, 2);
    EXPECT_EQ(Pitcher().outs, 3);
    EXPECT_EQ(Pitcher().runsAllowed, 1);
    game.outs = 0;
    Play(PlateResult::Walk, 300);
    Play(PlateResult::Strikeout, 400);
    EXPECT_EQ(Line(4).walks, 1);
    EXPECT_EQ(Line(4).atBats, 3) << "a walk is no at-bat";
    EXPECT_EQ(Pitcher().walks, 1);
    EXPECT_EQ(Pitcher().strikeouts, 1);
    EXPECT_EQ(Pitcher().outs, 4);
    // Game counts keep their field width: the 256th hit allowed reads 0.
    Pitcher().hitsAllowed = 255;
    Play(PlateResult::Single, 200);
    EXPECT_EQ(Pitcher().hitsAllowed, 0);
}

TEST_F(Running, RunnerQueueFollowsTheBasesFromThirdDown) {
    const struct {
        int bases;
        std::vector<int> runners;
        int onFirst, onSecond, onThird;
    } cases[] = {
        {1, {6}, 6, 5, 6},    {2, {6}, 5, 6, 5},    {4, {6}, 5, 5, 6},       {3, {6, 7}, 7, 6, 6},
        {5, {6, 7}, 7, 6, 6}, {6, {6, 7}, 6, 7, 6}, {7, {6, 7, 8}, 8, 7, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bases);
        PlaceRunners(game, c.bases, c.runners);
        if (c.bases & 1) {
            EXPECT_EQ(RunnerOnBase(game, 1), c.onFirst);
        }
        if (c.bases & 2) {
            EXPECT_EQ(RunnerOnBase(game, 2), c.onSecond);
        }
        if (c.bases & 4) {
            EXPECT_EQ(RunnerOnBase(game, 4), c.onThird);
        }
        EXPECT_EQ(RunnersOnBase(game), static_cast<int>(c.runners.size()));
    }
    PlaceRunners(game, 0, {});
    for (int slot : {0, 8, 3, 1})
        PushRunner(game, slot);  // a fourth finds no place
    EXPECT_EQ(game.runnerQueue, (std::array<int, 3>{1, 9, 4}));
    EXPECT_EQ(PopRunner(game), 0);
    EXPECT_EQ(game.runnerQueue, (std::array<int, 3>{9, 4, 0}));
}

TEST_F(Running, ScoreboardShowsRunsOnlyInTheFirstNineInnings) {
    game.inning = 3;
    game.halfInningRuns = 1;
    ApplyPlayResult(session, {2, 1, 0});
    EXPECT_EQ(game.visitor.lineScore[2], 3);
    EXPECT_EQ(game.visitor.teamRuns, 2);
    EXPECT_EQ(game.visitor.hits, 1);
    EXPECT_TRUE(screen.Has("Box 1 3 3"));
    EXPECT_TRUE(screen.Has("Box 1 10 2"));
    EXPECT_TRUE(screen.Has("Box 1 11 1"));

    screen.calls.clear();
    game.inning = 10;
    game.battingSide = kHome;
    game.halfInningRuns = 0;
    ApplyPlayResult(session, {1, 0, 0});
    EXPECT_EQ(game.home.teamRuns, 1);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"Box 2 10 1"}));
    EXPECT_EQ(game.home.lineScore, (std::array<int, 9>{-1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

}  // namespace
}  // namespace velmoro::testing
