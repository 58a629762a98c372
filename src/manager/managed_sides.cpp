#include "manager/managed_sides.h"

#include "engine/turns.h"
#include "setup/manage_substitution.h"

namespace velmoro {

namespace {

void Note(ManagerNotes* notes, Side side, std::string text) {
    if (notes && !text.empty()) notes->push_back({side, std::move(text)});
}

}  // namespace

TurnDecision ManagedSides::BeforeTurn(Session& session, ManagerNotes* notes) const {
    const GameState& game = session.game;
    if (!Any() || IsGameOver(game)) return {};
    for (Side side : {game.FieldingSide(), game.battingSide})
        if (Manages(side)) Note(notes, side, MakeBetweenTurnMoves(session, side));
    return DecideTurn(session, visitors, home, kind);
}

Side DecidingSide(const GameState& game, const TurnDecision& decision) {
    return decision.defense != NormalDefense ? game.FieldingSide() : game.battingSide;
}

bool ManagedSides::ReplaceForced(Session& session, Side side, ManagerNotes* notes) const {
    if (!Manages(side)) return false;
    const ForcedReplacement done = ReplaceForcedPinchHitter(session, side);
    if (done.failed)
        session.Screen().ShowMessage(done.text, kVelmoroErrorCaption);
    else
        Note(notes, side, done.text);
    return true;
}

void ManagerDisplay::ForcedSubstitution(Side side) {
    if (!managed_.ReplaceForced(session_, side, notes)) Display::ForcedSubstitution(side);
}

}  // namespace velmoro
