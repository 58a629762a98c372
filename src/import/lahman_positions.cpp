#include "import/lahman_positions.h"

#include <array>
#include <utility>

#include "db/records.h"

namespace velmoro {

std::uint8_t PositionBits(const FieldingGames& g, bool hasPitchingLine, std::uint8_t regularBits,
                          int minGames) {
    const std::array<std::pair<int, std::uint8_t>, 6> fielding = {{
        {g.catcher, Catcher},
        {g.firstBase, FirstBase},
        {g.secondBase, SecondBase},
        {g.thirdBase, ThirdBase},
        {g.shortstop, Shortstop},
        {g.outfield, Outfield},
    }};
    int total = hasPitchingLine ? g.pitcher : 0;
    int most = total;
    for (const auto& [games, bit] : fielding) {
        total += games;
        most = games > most ? games : most;
    }
    std::uint8_t bits = regularBits;
    for (const auto& [games, bit] : fielding)
        if (games > 0 && games >= minGames) bits |= bit;
    const int pitched = hasPitchingLine ? g.pitcher : 0;
    if (pitched > 0 && (pitched == most || pitched * 4 >= total)) bits |= Pitcher;
    return bits ? bits : static_cast<std::uint8_t>(NoPosition);
}

bool CoversTheField(const std::vector<std::uint8_t>& positions) {
    // Nine places; a small augmenting-path matching of places to players.
    constexpr std::array<std::uint8_t, 9> kPlaces = {Pitcher,    Catcher,   FirstBase,
                                                     SecondBase, ThirdBase, Shortstop,
                                                     Outfield,   Outfield,  Outfield};
    std::vector<int> holder(positions.size(), -1);  // place each player holds
    std::vector<bool> seen;
    auto place = [&](auto&& self, std::size_t p) -> bool {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (seen[i] || (positions[i] & NoPosition) || !(positions[i] & kPlaces[p])) continue;
            seen[i] = true;
            if (holder[i] < 0 || self(self, static_cast<std::size_t>(holder[i]))) {
                holder[i] = static_cast<int>(p);
                return true;
            }
        }
        return false;
    };
    for (std::size_t p = 0; p < kPlaces.size(); ++p) {
        seen.assign(positions.size(), false);
        if (!place(place, p)) return false;
    }
    return true;
}

}  // namespace velmoro
