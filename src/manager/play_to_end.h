// A game played turn after turn to its end, the computer moving and choosing for the
// sides it manages. Every program that plays games out of sight plays them here.
#pragma once

#include <functional>

#include "engine/invariants.h"
#include "manager/managed_sides.h"

namespace velmoro {

enum class GameEnd {
    Over,       // the game ended
    Abandoned,  // still tied past the inning limit: two teams that cannot score
    Stopped,    // a hook stopped it
};

struct PlayHooks {
    // The choices of turn `turn` (counted from 0) when no side is managed; Normal Play
    // when unset.
    std::function<TurnDecision(int turn)> choose;
    // After each turn; false stops the game there.
    std::function<bool(int turn)> afterTurn;
    // The innings a game may go before it is abandoned.
    int inningLimit = kInningLimit;
};

struct PlayedGame {
    GameEnd end = GameEnd::Over;
    int turns = 0;
    // Choices the engine refused (none, when the computer chose them all).
    int refusals = 0;
};

// `side`'s result of a game played out: 1 a win, 0 a loss, 0.5 a game still tied.
double ResultFor(const GameState& game, Side side);

// Plays the game in `session` from where it stands. `notes` gets the managers' moves,
// the reasons of their choices and their forced replacements as they are made (a hook may read and
// clear them after each turn).
PlayedGame PlayToEnd(Session& session, const ManagedSides& managed, const PlayHooks& hooks = {},
                     ManagerNotes* notes = nullptr);

}  // namespace velmoro
