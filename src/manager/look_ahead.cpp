#include "manager/look_ahead.h"

#include <fmt/format.h>

#include <algorithm>
#include <vector>

#include "base/paired.h"
#include "base/seed_mix.h"
#include "engine/turns.h"
#include "manager/book.h"
#include "manager/play_to_end.h"

namespace velmoro::look_ahead {

namespace {

// The play-outs' session: silent, both sides by the book, the forced replacement made
// as the engine asks for it.
struct PlayOutSession {
    Session session;
    ManagedSides book{true, true, ManagerKind::Book};
    ManagerDisplay display{session, book};
    PlayOutSession() {
        session.silent = true;
        session.gameLogPath.clear();
        session.SetDisplay(&display);
    }
};

PlayOutSession& Scratch() {
    thread_local PlayOutSession scratch;
    return scratch;
}
// The play-outs' seeds come from the game's random source without drawing from it, so
// the real game's own sequence is the same whatever the manager looks at.
std::uint32_t PlayOutSeed(std::uint32_t state, int playout) {
    return static_cast<std::uint32_t>(SplitMix64((static_cast<std::uint64_t>(state) << 16) +
                                                 static_cast<std::uint64_t>(playout)));
}

}  // namespace

double PlayOut(const GameState& game, std::uint32_t seed, Side side, int offense, int defense) {
    PlayOutSession& scratch = Scratch();
    CopyGameState(game, scratch.session.game);
    scratch.session.random.Seed(seed);
    const GameState& copy = scratch.session.game;
    PlayTurn(scratch.session, offense, defense);
    PlayHooks horizon;
    horizon.inningLimit = kLastInning;
    PlayToEnd(scratch.session, scratch.book, horizon);
    return ResultFor(copy, side);
}

std::vector<double> PlayOuts(const Session& session, Side side, int offense, int defense) {
    std::vector<double> wins(kPlayouts);
    for (int k = 0; k < kPlayouts; ++k)
        wins[k] =
            PlayOut(session.game, PlayOutSeed(session.random.State(), k), side, offense, defense);
    return wins;
}

namespace {

// The best of `choices` against `normal` (the book's choice) for `side`, or `normal`
// itself when none beats it by the margin.
TurnDecision Best(Session& session, Side side, const TurnDecision& normal,
                  const std::vector<TurnDecision>& choices) {
    TurnDecision best = normal;
    if (choices.empty()) return best;
    // The book's choice is played out once, on the seeds every choice meets.
    const std::vector<double> normalWins = PlayOuts(session, side, normal.offense, normal.defense);
    double bestGain = 0;
    for (const TurnDecision& choice : choices) {
        const PairedDifference c = PairedMeanDifference(
            PlayOuts(session, side, choice.offense, choice.defense), normalWins);
        if (c.mean > kMargin * c.standardError && c.mean > bestGain) {
            best = choice;
            bestGain = c.mean;
            best.reason =
                choice.reason + fmt::format(" (looked ahead: {:+.1f}% to win, +/- {:.1f})",
                                            100 * c.mean, 200 * c.standardError);
        }
    }
    return best;
}

// Where a play can pay at all in this engine (measured on whole seasons of play-outs):
// the walk with first base open and a runner in scoring position, the sacrifice with
// nobody out, the steal only as the double steal. Elsewhere each costs from half a
// point to five points of winning chance, and the squeeze everywhere; looking at them
// anyway only lets chance pick some of them (about one walk a game, each costing
// nearly two points, at the play-outs a decision can afford).
bool CanPay(const GameState& game, int offense, int defense) {
    if (TurnRefusal(game, offense, defense) != Refusal::None) return false;
    if (defense == IntentionalWalkChoice) return !(game.bases & 1) && (game.bases & 6);
    if (offense == SacrificeChoice) return game.outs == 0;
    if (offense == StealChoice) return game.bases == 3;
    return false;
}

const char* ChoiceName(int offense, int defense) {
    if (defense == IntentionalWalkChoice) return "Intentional walk";
    switch (offense) {
        case SacrificeChoice:
            return "Sacrifice";
        case StealChoice:
            return "Steal";
        case SqueezeChoice:
            return "Squeeze play";
        default:
            return "Normal Play";
    }
}

}  // namespace

TurnDecision Decide(Session& session, bool managesVisitors, bool managesHome) {
    const GameState& game = session.game;
    const Side batting = game.battingSide;
    const Side fielding = game.FieldingSide();
    const bool managesBatting = batting == Side::Home ? managesHome : managesVisitors;
    const bool managesFielding = fielding == Side::Home ? managesHome : managesVisitors;
    // Each side starts from the book's choice, against the other side's book choice,
    // and leaves it only for a choice its play-outs show better by the margin.
    TurnDecision offense = managesBatting ? book::Offense(game) : TurnDecision{};
    TurnDecision defense = managesFielding ? book::Defense(game) : TurnDecision{};
    if (managesFielding) {
        std::vector<TurnDecision> choices;
        for (int choice : {int{NormalDefense}, int{IntentionalWalkChoice}})
            if (choice != defense.defense &&
                (choice == NormalDefense || CanPay(game, offense.offense, choice)))
                choices.push_back({offense.offense, choice, ChoiceName(NormalPlay, choice)});
        defense = Best(session, fielding, {offense.offense, defense.defense, defense.reason},
                       choices);
    }
    if (managesBatting && defense.defense != IntentionalWalkChoice) {
        std::vector<TurnDecision> choices;
        for (int choice : {int{NormalPlay}, int{SacrificeChoice}, int{StealChoice}})
            if (choice != offense.offense &&
                (choice == NormalPlay || CanPay(game, choice, defense.defense)))
                choices.push_back({choice, defense.defense, ChoiceName(choice, NormalDefense)});
        offense = Best(session, batting, {offense.offense, defense.defense, offense.reason},
                       choices);
    }
    TurnDecision decision{offense.offense, defense.defense, offense.reason};
    if (defense.defense == IntentionalWalkChoice)
        decision = {NormalPlay, IntentionalWalkChoice, defense.reason};
    return decision;
}

}  // namespace velmoro::look_ahead
