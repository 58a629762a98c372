// The game's random source: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>
#include <optional>

#include "base/seed_mix.h"

namespace velmoro {

class Random {
  public:
    // Draws 0..32767: state = state * 214013 + 2531011, output (state >> 16) & 0x7FFF.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

    // The seed the first plate appearance uses instead of the clock.
    void SetFixedSeed(std::uint32_t seed) { fixedSeed_ = seed; }

    // Seeds once per run, at the first plate appearance: with the fixed seed when one
    // was given, else with the calendar time in seconds. Later calls do nothing.
    void SeedOnce();

    void Seed(std::uint32_t seed) {
        state_ = seed;
        seeded_ = true;
    }
    bool IsSeeded() const { return seeded_; }
    std::uint32_t State() const { return state_; }

  private:
    std::uint32_t state_ = 1;
    bool seeded_ = false;
    std::optional<std::uint32_t> fixedSeed_;
};

}  // namespace velmoro
