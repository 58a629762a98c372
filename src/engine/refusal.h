// The plays the engine refuses, each for one reason, and the message it shows for each.
#pragma once

namespace velmoro {

enum class Refusal {
    None,  // the play goes ahead
    SacrificeBasesLoaded,
    SacrificeRunnerOnThird,
    SacrificeNoRunners,
    SacrificeTwoOuts,
    StealBasesLoaded,
    StealRunnerOnlyOnThird,
    StealRunnersOnlyOnSecondAndThird,
    StealNoRunners,
    SqueezeBasesLoaded,
    SqueezeTwoOuts,
    SqueezeNoRunners,
    SqueezeNoRunnerOnThird,
    IntentionalWalkBasesLoaded,
};

// The message the play screen shows for the refusal ("" for None).
const char* RefusalText(Refusal refusal);

}  // namespace velmoro
