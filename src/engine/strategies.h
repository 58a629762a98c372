// The manager's plays: sacrifice, steal, squeeze play, intentional walk, infield in.
#pragma once

#include "engine/refusal.h"

namespace velmoro {

struct Session;
struct GameState;

enum class StrategyResult { Refused, Done, DoneWithRun };

// Offensive and defensive choices as the play screen's lists hold them.
enum OffensiveChoice : int {
    NormalPlay = 0,
    SacrificeChoice = 1,
    StealChoice = 2,
    SqueezeChoice = 3
};
enum DefensiveChoice : int { NormalDefense = 0, IntentionalWalkChoice = 1, InfieldInChoice = 2 };

// Why the engine refuses a play in this state, or Refusal::None when the play goes ahead.
// The plays below and anybody who must never be refused ask these.
Refusal SacrificeRefusal(const GameState& game);
Refusal StealRefusal(const GameState& game);
Refusal SqueezeRefusal(const GameState& game);
Refusal IntentionalWalkRefusal(const GameState& game);
// The refusal a turn with these choices meets (the walk is played before any
// offensive choice), or Refusal::None.
Refusal TurnRefusal(const GameState& game, int offensiveChoice, int defensiveChoice);

StrategyResult Sacrifice(Session& session);
StrategyResult Steal(Session& session);
StrategyResult SqueezePlay(Session& session);
StrategyResult IntentionalWalk(Session& session);

}  // namespace velmoro
