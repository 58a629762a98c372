// The sides the computer manages, and everything it does for them: the moves between
// turns, the turn's choices and the forced replacement of a pinch hitter. velmoro-sim,
// the manager comparison, the season, the look-ahead's play-outs and the play screen
// all go through here, so a game and seed play the same wherever they are played.
#pragma once

#include <string>
#include <vector>

#include "engine/display.h"
#include "manager/manager.h"

namespace velmoro {

// What the computer did or chose for a side, and why.
struct ManagerNote {
    Side side = Side::Visitors;
    std::string text;
};
using ManagerNotes = std::vector<ManagerNote>;

struct ManagedSides {
    bool visitors = false;
    bool home = false;
    ManagerKind kind = ManagerKind::Book;

    bool Any() const { return visitors || home; }
    bool Manages(Side side) const { return side == Side::Home ? home : visitors; }

    // Before a turn: the moves between turns, the side in the field first (a new
    // pitcher is on the mound before the side at bat picks its hitter), then the turn's
    // choices, with their reason. Normal Play for a side nobody manages. `notes` gets
    // every move.
    TurnDecision BeforeTurn(Session& session, ManagerNotes* notes) const;

    // The forced replacement of `side`'s pinch hitter, when the computer manages it:
    // true with the replacement made (its note kept) or, when none can be made, the
    // reason shown as a message; false for a side the user manages.
    bool ReplaceForced(Session& session, Side side, ManagerNotes* notes) const;
};

// The side whose choice a decision's reason explains.
Side DecidingSide(const GameState& game, const TurnDecision& decision);

// A display for games the computer plays out of sight: a managed side's forced
// replacement made without the engine's demand, the demand shown for any other side.
class ManagerDisplay : public Display {
  public:
    ManagerDisplay(Session& session, const ManagedSides& managed)
        : session_(session), managed_(managed) {}
    void ForcedSubstitution(Side side) override;
    ManagerNotes* notes = nullptr;

  private:
    Session& session_;
    const ManagedSides& managed_;
};

}  // namespace velmoro
