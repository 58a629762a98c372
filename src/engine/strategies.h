// The manager's plays: sacrifice, steal, squeeze play, intentional walk, infield in.
#pragma once

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

// Why the engine refuses a play in this state: the message it shows, or nullptr when the
// play goes ahead. The plays below and anybody who must never be refused ask these.
const char* SacrificeRefusal(const GameState& game);
const char* StealRefusal(const GameState& game);
const char* SqueezeRefusal(const GameState& game);
const char* IntentionalWalkRefusal(const GameState& game);
// The refusal a turn with these choices meets (the walk is played before any
// offensive choice), or nullptr.
const char* TurnRefusal(const GameState& game, int offensiveChoice, int defensiveChoice);

StrategyResult Sacrifice(Session& session);
StrategyResult Steal(Session& session);
StrategyResult SqueezePlay(Session& session);
StrategyResult IntentionalWalk(Session& session);

}  // namespace velmoro
