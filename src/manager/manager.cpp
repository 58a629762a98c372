#include "manager/manager.h"

#include "engine/turns.h"
#include "manager/book.h"
#include "manager/look_ahead.h"

namespace velmoro {

namespace {

bool Manages(Side side, bool managesVisitors, bool managesHome) {
    return side == Side::Home ? managesHome : managesVisitors;
}

std::string Joined(const std::string& first, const std::string& second) {
    if (first.empty()) return second;
    if (second.empty()) return first;
    return first + "; " + second;
}

}  // namespace

TurnDecision DecideTurn(Session& session, bool managesVisitors, bool managesHome,
                        ManagerKind kind) {
    const GameState& game = session.game;
    if (IsGameOver(game) || (!managesVisitors && !managesHome)) return {};
    TurnDecision decision;
    if (kind == ManagerKind::LookAhead) {
        decision = look_ahead::Decide(session, managesVisitors, managesHome);
    } else {
        if (Manages(game.FieldingSide(), managesVisitors, managesHome))
            decision = book::Defense(game);
        // The walk is played before anything the batter chose.
        if (decision.defense != IntentionalWalkChoice &&
            Manages(game.battingSide, managesVisitors, managesHome)) {
            const TurnDecision offense = book::Offense(game);
            decision.offense = offense.offense;
            decision.reason = Joined(decision.reason, offense.reason);
        }
    }
    // Never a play the engine would refuse, whatever the rules above say.
    if (TurnRefusal(game, decision.offense, decision.defense) != Refusal::None) return {};
    return decision;
}

std::string MakeBetweenTurnMoves(Session& session, Side side) {
    GameState& game = session.game;
    if (IsGameOver(game)) return "";
    return side == game.battingSide ? book::PinchHitterMove(session, side)
                                    : book::PitchingChangeMove(session, side);
}

ForcedReplacement ReplaceForcedPinchHitter(Session& session, Side side) {
    return book::ReplaceForced(session, side);
}

}  // namespace velmoro
