// The computer manager: the choices of a turn and the moves between turns for the
// sides the computer manages, made through the same rules as the play screen's lists
// and the management windows.
#pragma once

#include <string>

#include "engine/session.h"
#include "engine/strategies.h"

namespace velmoro {

enum class ManagerKind { Book, LookAhead };

struct TurnDecision {
    int offense = NormalPlay;     // OffensiveChoice values, as the play screen's list
    int defense = NormalDefense;  // DefensiveChoice values
    // Why, for the line under the lists, e.g. "Intentional walk: first base open, .340
    // hitter up"; empty for Normal Play.
    std::string reason;
};

// The choices of the next turn. Only sides the computer manages decide; an unmanaged
// side plays Normal Play.
TurnDecision DecideTurn(Session& session, bool managesVisitors, bool managesHome, ManagerKind kind);

// Between turns, for a managed side: pitching change and pinch hitter through the same
// rules and bookkeeping as the management windows, the same for either kind of manager
// (the look-ahead weighs only the turn's plays). Returns what was done and why, or "".
std::string MakeBetweenTurnMoves(Session& session, Side side);

// A forced replacement: what was done ("" when none was due), or why none could be made.
struct ForcedReplacement {
    bool failed = false;
    std::string text;
};

// Where the engine requires a replacement (a pinch hitter who cannot field the position
// he took over), the computer makes it for `side`.
ForcedReplacement ReplaceForcedPinchHitter(Session& session, Side side);

}  // namespace velmoro
