#include "engine/refusal.h"

namespace velmoro {

const char* RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::None:
            return "";
        case Refusal::SacrificeBasesLoaded:
            return "You can't sacrifice with the bases loaded.";
        case Refusal::SacrificeRunnerOnThird:
            return "You can't sacrifice with a runner on third.";
        case Refusal::SacrificeNoRunners:
            return "You can't sacrifice with no runners on base.";
        case Refusal::SacrificeTwoOuts:
            return "You can't sacrifice with 2 outs.";
        case Refusal::StealBasesLoaded:
            return "You can't steal with the bases loaded.";
        case Refusal::StealRunnerOnlyOnThird:
            return "You can't steal with a runner only on third.";
        case Refusal::StealRunnersOnlyOnSecondAndThird:
            return "You can't steal with a runner only on second and third.";
        case Refusal::StealNoRunners:
            return "You can't steal with no runners on base.";
        case Refusal::SqueezeBasesLoaded:
            return "You can't do a squeeze play with the bases loaded.";
        case Refusal::SqueezeTwoOuts:
            return "You can't do a squeeze play with 2 outs.";
        case Refusal::SqueezeNoRunners:
            return "You can't do a squeeze play with no runners on base.";
        case Refusal::SqueezeNoRunnerOnThird:
            return "You can't do a squeeze play without a runner on third base.";
        case Refusal::IntentionalWalkBasesLoaded:
            return "You can't intentional walk with the bases loaded.";
    }
    return "";
}

}  // namespace velmoro
