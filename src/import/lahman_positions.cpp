#include "import/lahman_positions.h"

#include <array>
#include <utility>

#include "db/records.h"

namespace velmoro {

std::uint8_t PositionBits(const FieldingGames& g, bool hasPitchingLine) {
    const std::array<std::pair<int, std::uint8_t>, 7> played = {{
        {hasPitchingLine ? g.pitcher : 0, Pitcher},
        {g.catcher, Catcher},
        {g.firstBase, FirstBase},
        {g.secondBase, SecondBase},
        {g.thirdBase, ThirdBase},
        {g.shortstop, Shortstop},
        {g.outfield, Outfield},
    }};
    int total = 0;
    int most = 0;
    for (const auto& [games, bit] : played) {
        total += games;
        most = games > most ? games : most;
    }
    if (total <= 0) return NoPosition;
    std::uint8_t bits = 0;
    for (const auto& [games, bit] : played)
        if (games > 0 && (games == most || games * 100 >= total * kRealSharePercent)) bits |= bit;
    return bits;
}

}  // namespace velmoro
