// Page numbers of the new game wizard: the team page, then per side ten lineup pages
// (P ... DH) and its batting order page. Pages go strictly forward, so every page a
// run can show needs a number of its own.
#pragma once

#include "engine/game_state.h"

namespace velmoro {

inline constexpr int kTeamPageId = 0;
inline constexpr int kLineupPagesPerSide = 10;

inline int LineupPageId(Side side, int slot) {
    return (side == Side::Home ? 1 + kLineupPagesPerSide + 1 : 1) + slot;
}

inline int BattingOrderPageId(Side side) {
    return LineupPageId(side, kLineupPagesPerSide);
}

}  // namespace velmoro
