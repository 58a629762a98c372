#include "engine/random.h"

#include <ctime>

namespace velmoro {

void Random::SeedOnce() {
    if (seeded_) return;
    // Strategies played before the first plate appearance of the run have drawn from
    // the unseeded state; from here on one seed serves the whole run.
    Seed(fixedSeed_ ? *fixedSeed_ : static_cast<std::uint32_t>(std::time(nullptr)));
}

}  // namespace velmoro
