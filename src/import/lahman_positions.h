// Position bits of a Lahman player from the games he played at each position.
#pragma once

#include <cstdint>
#include <vector>

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

// Games at a position that earn its bit. Fewer make a part-timer the lineup pages
// would offer ahead of the regular whenever he hit better.
inline constexpr int kPositionBitGames = 20;

// The bits of `regularBits` (the positions where he was the club's regular), one for
// every position where he played at least `minGames` games, and `Pitcher` when he
// has a pitching line and pitched in his most games or a quarter of them.
// `NoPosition` for a player left with no bit.
std::uint8_t PositionBits(const FieldingGames& games, bool hasPitchingLine,
                          std::uint8_t regularBits, int minGames = kPositionBitGames);

// True when distinct players of these bits can take pitcher, catcher, the four
// infield positions and three outfield places at once.
bool CoversTheField(const std::vector<std::uint8_t>& positions);

}  // namespace velmoro
