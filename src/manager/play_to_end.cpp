#include "manager/play_to_end.h"

#include "engine/session.h"
#include "engine/strategies.h"
#include "engine/turns.h"

namespace velmoro {

double ResultFor(const GameState& game, Side side) {
    const int lead = game.SideOf(side).teamRuns - game.SideOf(OtherSide(side)).teamRuns;
    return lead > 0 ? 1.0 : lead < 0 ? 0.0 : 0.5;
}

PlayedGame PlayToEnd(Session& session, const ManagedSides& managed, const PlayHooks& hooks,
                     ManagerNotes* notes) {
    const GameState& game = session.game;
    const bool anyManaged = managed.Any();
    PlayedGame played;
    TurnDecision choice;  // one for the whole game: a turn allocates nothing
    for (; !IsGameOver(game); ++played.turns) {
        if (game.inning > hooks.inningLimit) {
            played.end = GameEnd::Abandoned;
            break;
        }
        if (anyManaged) {
            choice = managed.BeforeTurn(session, notes);
            if (notes && !choice.reason.empty())
                notes->push_back({DecidingSide(game, choice), choice.reason});
        } else if (hooks.choose) {
            choice = hooks.choose(played.turns);
        }
        // Normal Play is never refused.
        const bool normal = choice.offense == NormalPlay && choice.defense == NormalDefense;
        if (!normal && TurnRefusal(game, choice.offense, choice.defense) != Refusal::None)
            ++played.refusals;
        PlayTurn(session, choice.offense, choice.defense);
        if (hooks.afterTurn && !hooks.afterTurn(played.turns)) {
            played.end = GameEnd::Stopped;
            ++played.turns;
            break;
        }
    }
    return played;
}

}  // namespace velmoro
