// "By the book": the plain rules a baseball manager states, one short function each.
// The turn's choices read the game only; the moves between turns go through the
// management windows' own rules and bookkeeping.
#pragma once

#include <string>

#include "manager/manager.h"

namespace velmoro::book {

// Thresholds, batting averages in thousandths.
inline constexpr int kWeakHitter = 230;         // below this a hitter bunts
inline constexpr int kDangerousHitter = 280;    // at least this is worth walking
inline constexpr int kOnDeckGap = 60;           // ... when the next man is this much weaker
inline constexpr int kLateInning = 7;           // late and close: from this inning,
inline constexpr int kCloseRuns = 1;            // ... the score within this many runs
inline constexpr int kStealAttempts = 30;       // a base stealer's season attempts
inline constexpr double kStealSuccess = 0.850;  // ... and his success rate
inline constexpr int kPinchHitterAtBats = 50;
inline constexpr int kClosingLead = 3;  // the closer protects a lead of 1..3 runs
inline constexpr int kRunsForHook = 5;  // a pitcher is out after this many runs

// ".340" for 340.
std::string Average(int thousandths);

bool IsWeakHitter(int battingAvg);
bool IsLateAndClose(const GameState& game);

// The side at bat's choice and the side in the field's choice, each with its reason
// (Normal Play has none). Neither is ever one the engine refuses.
TurnDecision Offense(const GameState& game);
TurnDecision Defense(const GameState& game);

// Between turns, `side` in the field: the closer or a fresh arm for a tired pitcher,
// through the pitching change window's candidates and booking. Returns the reason, or "".
std::string PitchingChangeMove(Session& session, Side side);
// Between turns, `side` at bat: a pinch hitter for the pitcher, through the
// substitution window's candidates and booking. Returns the reason, or "".
std::string PinchHitterMove(Session& session, Side side);
// The forced replacement of a pinch hitter for `side`.
ForcedReplacement ReplaceForced(Session& session, Side side);

}  // namespace velmoro::book
