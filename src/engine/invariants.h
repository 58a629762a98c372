// What every game state between two turns satisfies, whoever made it: the turns, a
// loaded saved game, the dialogs.
#pragma once

#include <string>

namespace velmoro {

struct GameState;

// Innings past this are not played: a game tied this long has two teams that cannot
// score, and a saved game beyond it was not written by a game.
inline constexpr int kInningLimit = 100000;

// Empty when the game is sound; otherwise what is wrong, in a few words. A game with
// no BoxLines yet (before the play screen has opened) has only its counters checked.
std::string GameStateProblem(const GameState& game);

// In debug builds (NDEBUG not defined): stops the program with the problem when the
// game is not sound, so the sanitizer suite and the fuzzers catch a turn that breaks
// the state. Does nothing in release builds.
void CheckGameState(const GameState& game);

}  // namespace velmoro
