// Position bits of a Lahman player from the games he played at each position.
#pragma once

#include <cstdint>

namespace velmoro {

struct FieldingGames {
    int pitcher = 0;
    int catcher = 0;
    int firstBase = 0;
    int secondBase = 0;
    int thirdBase = 0;
    int shortstop = 0;
    int outfield = 0;
};

// A player's fielding share, in percent of his games in the field, that earns a
// position's bit.
inline constexpr int kRealSharePercent = 25;

// A bit for every position where he played at least kRealSharePercent of his games in
// the field, always one for the position he played most, `Pitcher` only with a
// pitching line; `NoPosition` for a player who never took the field.
std::uint8_t PositionBits(const FieldingGames& games, bool hasPitchingLine);

}  // namespace velmoro
