// "Look ahead": the book's choice of the turn and the other plays that can pay, each
// played out to the end of the game from a silent copy, many times, both sides by the
// book from there on; the book's choice stands unless another beats it by the margin.
#pragma once

#include <cstdint>
#include <vector>

#include "manager/manager.h"

namespace velmoro::look_ahead {

// Games played out per choice. Every choice meets the same random sequences, so the
// comparison with the book's choice sees the choice rather than the luck.
inline constexpr int kPlayouts = 32;
// A choice beats the book's only by more than this many standard errors.
inline constexpr double kMargin = 2.0;
// A play-out still tied this late counts as half a win: a horizon of the look-ahead,
// far short of a game's own inning limit.
inline constexpr int kLastInning = 30;

// The deciding side's result (1, 0 or 0.5) in each of kPlayouts play-outs of these
// choices, on seeds taken from the game's random state without drawing from it.
std::vector<double> PlayOuts(const Session& session, Side side, int offense, int defense);

// The turn's choices for the managed sides.
TurnDecision Decide(Session& session, bool managesVisitors, bool managesHome);

// One play-out from the game as it stands: the turn with these choices, then both
// sides by the book. 1 when `side` wins, 0 when it loses, 0.5 for a game still tied.
double PlayOut(const GameState& game, std::uint32_t seed, Side side, int offense, int defense);

}  // namespace velmoro::look_ahead
