// Game life cycle: fresh counters, BoxLines with their positions, replay and teardown.
#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "engine/turns.h"
#include "engine_support.h"

namespace velmoro::testing {
namespace {

void ExpectFreshCounters(const GameState& game) {
    EXPECT_EQ(game.playLog, "Top of inning 1\r\n");
    EXPECT_EQ(game.visitor.lineScore[0], 0);
    for (int inning = 1; inning < 9; ++inning)
        EXPECT_EQ(game.visitor.lineScore[inning], -1);
    for (int inning = 0; inning < 9; ++inning)
        EXPECT_EQ(game.home.lineScore[inning], -1);
    EXPECT_EQ(game.battingSide, kVisitors);
    EXPECT_EQ(game.inning, 1);
    EXPECT_EQ(game.outs + game.bases + game.batterIndex + game.halfInningRuns, 0);
    EXPECT_EQ(game.runnerQueue, (std::array<int, 3>{0, 0, 0}));
    for (const GameSide* side : {&game.visitor, &game.home}) {
        EXPECT_EQ(side->teamRuns + side->hits + side->errors + side->nextBatter, 0);
    }
}

TEST(GameState, InitAndResetStartFromTheSameFreshCounters) {
    Session session;
    ExpectFreshCounters(session.game);
    EXPECT_FALSE(session.game.hasBattingBoxLines);

    TeamList teams;
    SetUpGame(session, MakeTeam(teams, "1927 Visitors", 1), MakeTeam(teams, "1927 Home", 4), false);
    for (int turn = 0; turn < 40; ++turn)
        PlayTurn(session, 0, 0);
    ResetGame(session.game);
    ExpectFreshCounters(session.game);
    EXPECT_FALSE(session.game.hasBattingOutcomes);
    EXPECT_FALSE(session.game.hasBattingBoxLines);
    for (const GameSide* side : {&session.game.visitor, &session.game.home}) {
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(side->lineup[slot], nullptr);
            EXPECT_EQ(side->defense[slot], nullptr);
            EXPECT_TRUE(side->boxLines[slot].empty()) << "slot " << slot;
        }
        EXPECT_NE(side->team, nullptr) << "teams outlive the game";
        EXPECT_NE(side->pitchingStaff[0], nullptr);
    }
}

TEST(GameState, BoxLinesCarryTheStartersPositions) {
    for (bool designatedHitter : {false, true}) {
        SCOPED_TRACE(designatedHitter ? "with DH" : "without DH");
        Session session;
        TeamList teams;
        SetUpGame(session, MakeTeam(teams, "1950 A", 0), MakeTeam(teams, "1950 B", 3),
                  designatedHitter);
        const GameSide& side = session.game.home;
        const int expected[] = {2, 3, 4, 6, 5, 7, 8, 9};  // C 1B 2B SS 3B LF CF RF
        for (int slot = 0; slot < 8; ++slot) {
            ASSERT_EQ(side.boxLines[slot].size(), 1u);
            EXPECT_EQ(side.boxLines[slot].front()->positions, expected[slot]);
            EXPECT_EQ(side.boxLines[slot].front()->name, side.lineup[slot]->name);
            EXPECT_EQ(side.boxLines[slot].front()->pitching, nullptr);
        }
        // Without DH the pitcher is found in his batting slot first, so chain 9 keeps 0.
        EXPECT_EQ(side.boxLines[8].front()->positions, designatedHitter ? 10 : 1);
        EXPECT_EQ(side.boxLines[9].front()->positions, designatedHitter ? 1 : 0);
        EXPECT_NE(side.boxLines[9].front()->pitching, nullptr);
        EXPECT_TRUE(session.game.hasBattingBoxLines);
    }
}

TEST(GameState, ReplayRestoresStartersAfterSubstitutions) {
    Session session;
    TeamList teams;
    TeamRecord& visitors = MakeTeam(teams, "1961 Visitors", 2);
    SetUpGame(session, visitors, MakeTeam(teams, "1961 Home", 5), false);
    GameState& game = session.game;
    PlayerRecord* starter = game.visitor.lineup[9];
    PlayerRecord* catcher = game.visitor.defense[CatcherSlot];

    // A pinch hitter for the catcher and a reliever, as the management dialogs make them.
    PlayerRecord* pinchHitter = visitors.players[10].get();
    game.visitor.lineup[0] = pinchHitter;
    game.visitor.boxLines[0].push_back(std::make_unique<BoxLine>(pinchHitter->name));
    game.visitor.defense[CatcherSlot] = pinchHitter;
    PlayerRecord* reliever = visitors.players[20].get();
    game.visitor.lineup[9] = game.visitor.lineup[8] = reliever;
    auto relieverLine = std::make_unique<BoxLine>(reliever->name);
    relieverLine->pitching = std::make_unique<BoxPitching>();
    game.visitor.boxLines[9].push_back(std::move(relieverLine));
    game.visitor.defense[PitcherSlot] = reliever;
    for (int turn = 0; turn < 30; ++turn)
        PlayTurn(session, 0, 0);

    PrepareReplay(game);
    EXPECT_EQ(game.visitor.lineup[0], catcher);
    EXPECT_EQ(game.visitor.lineup[9], starter);
    EXPECT_EQ(game.visitor.lineup[8], starter);
    EXPECT_EQ(game.visitor.defense[CatcherSlot], catcher);
    EXPECT_EQ(game.visitor.defense[PitcherSlot], starter);
    for (const GameSide* side : {&game.visitor, &game.home}) {
        for (const BoxChain& chain : side->boxLines) {
            ASSERT_EQ(chain.size(), 1u);
            EXPECT_EQ(chain.front()->atBats + chain.front()->runs + chain.front()->walks, 0);
        }
    }
    EXPECT_EQ(game.visitor.boxLines[9].front()->pitching->outs, 0);
    EXPECT_FALSE(game.hasBattingOutcomes);
    EXPECT_EQ(game.playLog, "Top of inning 1\r\n");
    EXPECT_EQ(game.workingDefenseSide, kVisitors);
}

TEST(GameState, PositionLookupsRejectNumbersOutsideTheField) {
    for (int outside : {-1, 11, 255}) {
        EXPECT_STREQ(FieldPositionAbbreviation(outside), "");
        EXPECT_EQ(DefenseSlotOfPosition(outside), -1);
    }
    GameSide side;
    EXPECT_EQ(LineupIndexOfPlayer(side, nullptr), -1) << "empty entries never match none";
}

}  // namespace
}  // namespace velmoro::testing
