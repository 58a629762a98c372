// The one seed mixer of the programs (the game's own generator is in engine/random.h).
#pragma once

#include <cstdint>

namespace velmoro {

inline constexpr std::uint64_t kSplitMixStep = 0x9E3779B97F4A7C15ull;

// splitmix64's step: a well-mixed 64-bit value from any 64-bit input, the same on every
// platform. Seeds of games, pairs and play-outs are made from a run's seed and a number
// through it, so that neighbouring numbers draw unrelated sequences.
constexpr std::uint64_t SplitMix64(std::uint64_t z) {
    z += kSplitMixStep;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The seed of item `number` of a run seeded with `seed` (a season's game, a comparison's
// pair).
constexpr std::uint32_t ItemSeed(std::uint32_t seed, std::uint32_t number) {
    return static_cast<std::uint32_t>(SplitMix64(static_cast<std::uint64_t>(seed) << 32 | number));
}

}  // namespace velmoro
