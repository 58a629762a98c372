#include "setup/batting_order.h"

#include <utility>

#include "engine/session.h"

namespace velmoro {

namespace {

constexpr int kLastBatter = 8;

}  // namespace

void DefaultBattingOrder(GameState& game, Side setupSide) {
    GameSide& side = game.SideOf(setupSide);
    const auto& defense = side.defense;
    side.lineup[0] = game.designatedHitter ? defense[DesignatedHitterSlot] : defense[PitcherSlot];
    side.lineup[kPitcherEntry] = defense[PitcherSlot];
    for (int slot = CatcherSlot; slot <= RightFieldSlot; ++slot)
        side.lineup[slot] = defense[slot];
}

bool MoveBatterUp(GameState& game, Side setupSide, int position) {
    if (position < 1 || position > kLastBatter) return false;
    auto& lineup = game.SideOf(setupSide).lineup;
    std::swap(lineup[position], lineup[position - 1]);
    return true;
}

bool MoveBatterDown(GameState& game, Side setupSide, int position) {
    if (position < 0 || position >= kLastBatter) return false;
    auto& lineup = game.SideOf(setupSide).lineup;
    std::swap(lineup[position], lineup[position + 1]);
    return true;
}

void SwitchToHomeSide(Session& session, SetupState& setup) {
    setup.selectingPosition = Pitcher;
    setup.setupSide = Side::Home;
    session.game.battingSide = Side::Home;
}

void FinishSetup(Session& session) {
    session.game.battingSide = Side::Visitors;
}

void ResetSetup(SetupState& setup) {
    setup = SetupState{};
}

}  // namespace velmoro
