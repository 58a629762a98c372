// The manager's plays as one press of Pitch plays them: refusals, draws and their effects.
#include <gtest/gtest.h>

#include "engine/strategies.h"
#include "engine/turns.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

class Strategies : public ::testing::Test {
  protected:
    void SetUp() override {
        session.SetDisplay(&screen);
        TeamRecord& visitors = MakeTeam(teams, "V", 0);
        SetUpGame(session, visitors, MakeTeam(teams, "H", 3), false);
        game.batterIndex = game.visitor.nextBatter = 4;
        screen.calls.clear();
    }
    // Plays one turn and returns the text it added to the log.
    std::string Turn(int offensive, int defensive) {
        const std::size_t before = game.playLog.size();
        PlayTurn(session, offensive, defensive);
        return game.playLog.substr(before);
    }
    void NextValue(const std::function<bool(int)>& wanted) {
        ArrangeNextValue(session.random, wanted);
    }
    BoxLine& Line(int slot) { return CurrentLine(game.visitor, slot); }
    BoxPitching& HomePitcher() { return *game.home.boxLines[9].back()->pitching; }

    TeamList teams;
    RecordingDisplay screen;
    Session session;
    GameState& game = session.game;
};

TEST_F(Strategies, RefusalsChangeNothingAndKeepTheBatter) {
    const struct {
        int offensive, defensive, bases, outs;
        const char* message;
    } cases[] = {
        {SacrificeChoice, 0, 7, 0, "You can't sacrifice with the bases loaded."},
        {SacrificeChoice, 0, 5, 0, "You can't sacrifice with a runner on third."},
        {SacrificeChoice, 0, 4, 2, "You can't sacrifice with a runner on third."},
        {SacrificeChoice, 0, 0, 2, "You can't sacrifice with no runners on base."},
        {SacrificeChoice, 0, 3, 2, "You can't sacrifice with 2 outs."},
        {StealChoice, 0, 7, 0, "You can't steal with the bases loaded."},
        {StealChoice, 2, 4, 0, "You can't steal with a runner only on third."},
        {StealChoice, 0, 6, 0, "You can't steal with a runner only on second and third."},
        {StealChoice, 0, 0, 0, "You can't steal with no runners on base."},
        {SqueezeChoice, 0, 7, 2, "You can't do a squeeze play with the bases loaded."},
        {SqueezeChoice, 0, 5, 2, "You can't do a squeeze play with 2 outs."},
        {SqueezeChoice, 0, 0, 0, "You can't do a squeeze play with no runners on base."},
        {SqueezeChoice, 2, 1, 0, "You can't do a squeeze play without a runner on third base."},
        {SqueezeChoice, 0, 3, 0, "You can't do a squeeze play without a runner on third base."},
        {StealChoice, IntentionalWalkChoice, 7, 1,
         "You can't intentional walk with the bases loaded."},
    };
    const std::vector<int> runners[] = {{}, {3}, {2}, {2, 3}, {1}, {1, 3}, {1, 2}, {1, 2, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        PlaceRunners(game, c.bases, runners[c.bases]);
        game.outs = c.outs;
        const auto queue = game.runnerQueue;
        const std::uint32_t state = session.random.State();
        screen.calls.clear();
        EXPECT_EQ(Turn(c.offensive, c.defensive), "");
        EXPECT_EQ(screen.Messages(),
                  std::vector<std::string>{std::string("Message Velmoro Baseball: ") + c.message});
        EXPECT_EQ(game.bases, c.bases);
        EXPECT_EQ(game.runnerQueue, queue);
        EXPECT_EQ(game.outs, c.outs);
        EXPECT_EQ(game.batterIndex, 4);
        EXPECT_EQ(session.random.State(), state) << "a refusal draws nothing";
        const bool steal = c.offensive == StealChoice && c.defensive != IntentionalWalkChoice;
        EXPECT_TRUE(screen.Has(steal ? "ResetChoices 10" : "ResetChoices 11"));
    }
    EXPECT_EQ(HomePitcher(), BoxPitching{});
}

TEST_F(Strategies, SacrificeMovesRunnersUpWithoutAnAtBat) {
    PlaceRunners(game, 2, {2});
    EXPECT_EQ(Turn(SacrificeChoice, InfieldInChoice), "V F4  layed down a sacrifice bunt.\r\n");
    EXPECT_EQ(game.bases, 4);
    EXPECT_EQ(game.runnerQueue, (std::array<int, 3>{3, 0, 0}));
    EXPECT_EQ(game.outs, 1);
    EXPECT_EQ(Line(4).atBats, 0);
    EXPECT_EQ(HomePitcher().outs, 1);
    EXPECT_EQ(game.batterIndex, 5);
}

TEST_F(Strategies, StealOutcomesByBasesAndDraw) {
    const struct {
        const char* name;
        int bases;
        std::vector<int> runners;
        int outs;
        int modulus, remainder;  // the draw that decides
        std::string text;
        int basesAfter, outsAfter, runs;
        std::vector<int> stealers;
    } cases[] = {
        // clang-format off
        {"first, odd", 1, {3}, 0, 2, 1, "V F3 stole second base.\r\n", 2, 0, 0, {3}},
        {"first, even", 1, {3}, 0, 2, 0, "V F3 was caught stealing second base.\r\n", 0, 1, 0, {}},
        {"second, odd", 2, {2}, 1, 2, 1, "V F2 stole third base.\r\n", 4, 1, 0, {2}},
        {"second, even", 2, {2}, 1, 2, 0, "V F2 was caught stealing third base.\r\n", 0, 2, 0, {}},
        {"double steal, odd", 3, {2, 3}, 0, 2, 1, "V F2 stole third base.\r\nV F3 stole second base.\r\n", 6, 0, 0, {2, 3}},
        {"double steal, even", 3, {2, 3}, 0, 2, 0, "V F2 was caught stealing third base.\r\nV F3 stole second base.\r\n", 2, 1, 0, {3}},
        {"first and third, w 3", 5, {1, 3}, 0, 6, 3, "V F3 stole second base.\r\n", 6, 0, 0, {3}},
        {"first and third, w 4", 5, {1, 3}, 1, 6, 4, "V F1 was caught stealing home.\r\nV F3 stole second base.\r\n", 2, 2, 0, {3}},
        {"first and third, w 5", 5, {1, 3}, 0, 6, 5, "V F1 stole home. 1 run scored\r\nV F3 stole second base.\r\n", 2, 0, 1, {1, 3}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session fresh;
        RecordingDisplay display;
        fresh.SetDisplay(&display);
        SetUpGame(fresh, *teams[0], *teams[1], false);
        GameState& g = fresh.game;
        g.batterIndex = g.visitor.nextBatter = 4;
        PlaceRunners(g, c.bases, c.runners);
        g.outs = c.outs;
        ArrangeNextValue(fresh.random, [&](int v) { return v % c.modulus == c.remainder; });
        PlayTurn(fresh, StealChoice, 0);
        EXPECT_EQ(g.playLog.substr(std::string("Top of inning 1\r\n").size()), c.text);
        EXPECT_EQ(g.bases, c.basesAfter);
        EXPECT_EQ(RunnersOnBase(g), static_cast<int>(__builtin_popcount(c.basesAfter)));
        EXPECT_EQ(g.outs, c.outsAfter);
        EXPECT_EQ(g.visitor.teamRuns, c.runs);
        EXPECT_EQ(g.home.boxLines[9].back()->pitching->runsAllowed, c.runs);
        EXPECT_EQ(g.home.boxLines[9].back()->pitching->outs, c.outsAfter - c.outs);
        for (int slot = 0; slot < 9; ++slot) {
            const bool stole = std::count(c.stealers.begin(), c.stealers.end(), slot) > 0;
            EXPECT_EQ(CurrentLine(g.visitor, slot).stolenBases, stole ? 1 : 0) << slot;
        }
        EXPECT_EQ(g.batterIndex, 4) << "a steal keeps the batter at the plate";
        EXPECT_TRUE(display.Has("ResetChoices 10"));
        EXPECT_FALSE(display.Has("ResetChoices 11"));
    }
}

TEST_F(Strategies, CaughtStealingForTheThirdOutChangesSides) {
    // A double steal at two outs logs two lines, and the heading follows each of them.
    PlaceRunners(game, 3, {2, 3});
    game.outs = 2;
    NextValue([](int v) { return v % 2 == 0; });
    EXPECT_EQ(Turn(StealChoice, 0),
              "V F2 was caught stealing third base.\r\n\r\nBottom of inning 1.\r\n"
              "V F3 stole second base.\r\n\r\nBottom of inning 1.\r\n");
    EXPECT_EQ(game.battingSide, kHome);
    EXPECT_EQ(game.outs, 0);
    EXPECT_EQ(game.bases, 0);
    EXPECT_EQ(game.visitor.nextBatter, 4) << "the batter leads off the next inning";
    EXPECT_TRUE(screen.Has("Box 2 1 0"));

    // Runners on first and third, caught at home for the third out: first stays put.
    game.batterIndex = game.home.nextBatter = 6;
    PlaceRunners(game, 5, {0, 2});
    game.outs = 2;
    NextValue([](int v) { return v % 6 == 2; });
    EXPECT_EQ(Turn(StealChoice, 0), "H F0 was caught stealing home.\r\n\r\nTop of inning 2.\r\n");
    EXPECT_EQ(CurrentLine(game.home, 2).stolenBases, 0);
    EXPECT_EQ(game.inning, 2);
    EXPECT_EQ(game.battingSide, kVisitors);
    EXPECT_EQ(game.batterIndex, 4);
}

TEST_F(Strategies, SqueezePlayByDraw) {
    const struct {
        const char* name;
        int bases;
        std::vector<int> runners;
        int pick;
        std::string text;
        int basesAfter;
        std::array<int, 3> queueAfter;
        int runs, atBats;
    } cases[] = {
        // clang-format off
        {"missed ball", 4, {1}, 0, "V F4 missed ball.  Squeeze play failed. Runner on third out at the plate.\r\n", 1, {5, 0, 0}, 0, 1},
        {"runner out at the plate", 6, {1, 2}, 1, "V F4 did a squeeze play. Runner on third out at the plate.\r\n", 5, {3, 5, 0}, 0, 1},
        {"failure with first and third", 5, {1, 3}, 1, "V F4 did a squeeze play. Runner on third out at the plate.\r\n", 3, {4, 5, 0}, 0, 1},
        {"success with first and third", 5, {1, 3}, 2, "V F4 did a squeeze play. Hitter is out at first. 1 run scored\r\n", 2, {4, 0, 0}, 1, 0},
        {"success, runners on second and third", 6, {1, 2}, 3, "V F4 did a squeeze play. Hitter is out at first. 1 run scored\r\n", 4, {3, 0, 0}, 1, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session fresh;
        SetUpGame(fresh, *teams[0], *teams[1], false);
        GameState& g = fresh.game;
        g.batterIndex = g.visitor.nextBatter = 4;
        PlaceRunners(g, c.bases, c.runners);
        ArrangeNextValue(fresh.random, [&](int v) { return v % 4 == c.pick; });
        PlayTurn(fresh, SqueezeChoice, 0);
        EXPECT_EQ(g.playLog.substr(std::string("Top of inning 1\r\n").size()), c.text);
        EXPECT_EQ(g.bases, c.basesAfter);
        EXPECT_EQ(g.runnerQueue, c.queueAfter);
        EXPECT_EQ(g.outs, 1);
        EXPECT_EQ(g.visitor.teamRuns, c.runs);
        EXPECT_EQ(g.visitor.lineScore[0], c.runs);
        EXPECT_EQ(CurrentLine(g.visitor, 4).atBats, c.atBats);
        EXPECT_EQ(CurrentLine(g.visitor, 4).rbi, c.runs);
        EXPECT_EQ(CurrentLine(g.visitor, 1).runs, c.runs);
        EXPECT_EQ(g.batterIndex, 5);
    }
}

TEST_F(Strategies, IntentionalWalkForcesOnlyTheRunnersBehind) {
    const struct {
        int bases;
        std::vector<int> runners;
        int basesAfter;
    } cases[] = {{0, {}, 1},  {1, {3}, 3},    {2, {2}, 3},   {3, {2, 3}, 7},
                 {4, {1}, 5}, {5, {1, 3}, 7}, {6, {1, 2}, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bases);
        PlaceRunners(game, c.bases, c.runners);
        game.batterIndex = 4;
        const std::uint32_t state = session.random.State();
        // The offensive choice is not looked at.
        EXPECT_EQ(Turn(StealChoice, IntentionalWalkChoice), "V F4  was intentionally walked.\r\n");
        EXPECT_EQ(game.bases, c.basesAfter);
        EXPECT_EQ(game.runnerQueue[c.runners.size()], 5) << "the batter is the last runner";
        EXPECT_EQ(session.random.State(), state);
    }
    EXPECT_EQ(Line(4).walks, 7);
    EXPECT_EQ(Line(4).rbi, 0);
    EXPECT_EQ(game.visitor.teamRuns, 0);
    EXPECT_EQ(HomePitcher().walks, 7);
}

}  // namespace
}  // namespace velmoro::testing
