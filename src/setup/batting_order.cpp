#include "setup/batting_order.h"

#include <utility>

#include "engine/session.h"

namespace velmoro {

namespace {

constexpr int kLastBatter = 8;

GameSide& SetupSide(GameState& game, int setupSide) {
    return setupSide == kHome ? game.home : game.visitor;
}

}  // namespace

void DefaultBattingOrder(GameState& game, int setupSide) {
    GameSide& side = SetupSide(game, setupSide);
    const auto& defense = side.defense;
    side.lineup[0] = game.designatedHitter ? defense[DesignatedHitterSlot] : defense[PitcherSlot];
    side.lineup[9] = defense[PitcherSlot];
    for (int slot = CatcherSlot; slot <= RightFieldSlot; ++slot)
        side.lineup[slot] = defense[slot];
}

bool MoveBatterUp(GameState& game, int setupSide, int position) {
    if (position < 1 || position > kLastBatter) return false;
    auto& lineup = SetupSide(game, setupSide).lineup;
    std::swap(lineup[position], lineup[position - 1]);
    return true;
}

bool MoveBatterDown(GameState& game, int setupSide, int position) {
    if (position < 0 || position >= kLastBatter) return false;
    auto& lineup = SetupSide(game, setupSide).lineup;
    std::swap(lineup[position], lineup[position + 1]);
    return true;
}

void SwitchToHomeSide(Session& session) {
    session.setup.selectingPosition = Pitcher;
    session.setup.setupSide = kHome;
    session.teams.currentTeam = session.game.home.team;
    session.game.dialogSide = kHome;
    session.game.battingSide = kHome;
    session.game.workingDefenseSide = kHome;
}

void FinishSetup(Session& session) {
    session.game.battingSide = kVisitors;
}

void ResetSetup(Session& session) {
    session.setup = SetupState{};
}

}  // namespace velmoro
