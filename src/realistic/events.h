// The outcomes of a plate appearance the model draws, and a set of rates over them.
#pragma once

#include <array>

namespace velmoro::plate {

enum Event : int { Single, Double, Triple, HomeRun, Walk, HitByPitch, Strikeout, OutInPlay, Count };

// Each outcome's share of plate appearances (or, where a comment says so, its odds).
using Rates = std::array<double, Count>;

// Counts of the outcomes over some plate appearances.
struct Counts {
    Rates events{};
    double plateAppearances = 0;

    Counts& operator+=(const Counts& other) {
        for (int e = 0; e < Count; ++e)
            events[e] += other.events[e];
        plateAppearances += other.plateAppearances;
        return *this;
    }
};

inline bool IsHit(int event) {
    return event <= HomeRun;
}

}  // namespace velmoro::plate
