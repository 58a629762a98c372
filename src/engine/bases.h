// The bases as the game keeps them: a bit set, one bit per occupied base, the number
// saved games write.
#pragma once

namespace velmoro {

struct Base {
    static constexpr int None = 0;
    static constexpr int First = 1;
    static constexpr int Second = 2;
    static constexpr int Third = 4;
    static constexpr int Loaded = First | Second | Third;
};

struct WalkAdvance {
    int bases = Base::None;
    int runs = 0;
};

// A walk puts the batter on first; a runner moves up only when the runner behind him
// has to, so a run scores only with the bases loaded.
constexpr WalkAdvance AdvanceOnWalk(int bases) {
    const bool first = (bases & Base::First) != 0;
    const bool second = (bases & Base::Second) != 0;
    const bool third = (bases & Base::Third) != 0;
    WalkAdvance after;
    after.bases = Base::First | (first || second ? Base::Second : Base::None) |
                  ((first && second) || third ? Base::Third : Base::None);
    after.runs = first && second && third ? 1 : 0;
    return after;
}

}  // namespace velmoro
