// The manager's plays: sacrifice, steal, squeeze play, intentional walk, infield in.
#pragma once

namespace velmoro {

struct Session;

enum class StrategyResult { Refused, Done, DoneWithRun };

// Offensive and defensive choices as the play screen's lists hold them.
enum OffensiveChoice : int {
    NormalPlay = 0,
    SacrificeChoice = 1,
    StealChoice = 2,
    SqueezeChoice = 3
};
enum DefensiveChoice : int { NormalDefense = 0, IntentionalWalkChoice = 1, InfieldInChoice = 2 };

StrategyResult Sacrifice(Session& session);
StrategyResult Steal(Session& session);
StrategyResult SqueezePlay(Session& session);
StrategyResult IntentionalWalk(Session& session);

}  // namespace velmoro
