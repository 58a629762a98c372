// The two sides of a game, numbered as the scoreboard, saved games and the set-up pages
// number them.
#pragma once

#include <array>

namespace velmoro {

enum class Side : int { Visitors = 1, Home = 2 };

// The visitors first, as they bat.
inline constexpr std::array<Side, 2> kBothSides{Side::Visitors, Side::Home};

constexpr Side OtherSide(Side side) {
    return side == Side::Home ? Side::Visitors : Side::Home;
}

// 1 for the visitors, 2 for the home side.
constexpr int SideNumber(Side side) { return static_cast<int>(side); }

// "Visitors" or "Home".
constexpr const char* SideName(Side side) { return side == Side::Home ? "Home" : "Visitors"; }

}  // namespace velmoro
