#include "manager/look_ahead.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/turns.h"
#include "manager/book.h"

namespace velmoro::look_ahead {

namespace {

// The play-outs' session: silent, and making the forced replacement the engine asks for
// by the book.
class PlayOutDisplay : public Display {
  public:
    explicit PlayOutDisplay(Session& session) : session_(session) {}
    void ForcedSubstitution() override { book::ForcedReplacement(session_); }

  private:
    Session& session_;
};

struct PlayOutSession {
    Session session;
    PlayOutDisplay display{session};
    PlayOutSession() {
        session.silent = true;
        session.gameLogPath.clear();
        session.SetDisplay(&display);
    }
};

Session& Scratch() {
    thread_local PlayOutSession scratch;
    return scratch.session;
}

// The play-outs' seeds come from the game's random source without drawing from it, so
// the real game's own sequence is the same whatever the manager looks at.
std::uint32_t PlayOutSeed(std::uint32_t state, int playout) {
    std::uint64_t z =
        (static_cast<std::uint64_t>(state) << 16) + static_cast<std::uint64_t>(playout);
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

}  // namespace

double PlayOut(const GameState& game, std::uint32_t seed, Side side, int offense, int defense) {
    Session& scratch = Scratch();
    CopyGameState(game, scratch.game);
    scratch.random.Seed(seed);
    GameState& copy = scratch.game;
    PlayTurn(scratch, offense, defense);
    while (!IsGameOver(copy) && copy.inning <= kLastInning) {
        MakeBetweenTurnMoves(scratch, copy.FieldingSide(), ManagerKind::Book);
        MakeBetweenTurnMoves(scratch, copy.battingSide, ManagerKind::Book);
        const TurnDecision next = DecideTurn(scratch, true, true, ManagerKind::Book);
        PlayTurn(scratch, next.offense, next.defense);
    }
    const int lead = copy.SideOf(side).teamRuns - copy.SideOf(OtherSide(side)).teamRuns;
    return lead > 0 ? 1.0 : lead < 0 ? 0.0 : 0.5;
}

std::vector<double> PlayOuts(const Session& session, Side side, int offense, int defense) {
    std::vector<double> wins(kPlayouts);
    for (int k = 0; k < kPlayouts; ++k)
        wins[k] =
            PlayOut(session.game, PlayOutSeed(session.random.State(), k), side, offense, defense);
    return wins;
}

Comparison Compare(const std::vector<double>& choice, const std::vector<double>& normal) {
    const double n = static_cast<double>(choice.size());
    double sum = 0, squares = 0;
    for (std::size_t k = 0; k < choice.size(); ++k) {
        const double difference = choice[k] - normal[k];
        sum += difference;
        squares += difference * difference;
    }
    const double mean = sum / n;
    const double variance = n > 1 ? (squares - n * mean * mean) / (n - 1) : 0;
    return {mean, std::sqrt(std::max(variance, 0.0) / n)};
}

namespace {

// The best of `choices` against `normal` for `side`, or `normal` itself when none beats
// it by the margin.
TurnDecision Best(Session& session, Side side, const TurnDecision& normal,
                  const std::vector<TurnDecision>& choices) {
    TurnDecision best = normal;
    if (choices.empty()) return best;
    // Normal Play is played out once, on the seeds every choice meets.
    const std::vector<double> normalWins = PlayOuts(session, side, normal.offense, normal.defense);
    double bestGain = 0;
    for (const TurnDecision& choice : choices) {
        const Comparison c =
            Compare(PlayOuts(session, side, choice.offense, choice.defense), normalWins);
        if (c.gain > kMargin * c.standardError && c.gain > bestGain) {
            best = choice;
            bestGain = c.gain;
            best.reason =
                choice.reason + fmt::format(" (looked ahead: {:+.1f}% to win, +/- {:.1f})",
                                            100 * c.gain, 200 * c.standardError);
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
    // Each side looks ahead against the other side's book choice.
    TurnDecision offense = managesBatting ? book::Offense(game) : TurnDecision{};
    TurnDecision defense = managesFielding ? book::Defense(game) : TurnDecision{};
    if (managesFielding) {
        std::vector<TurnDecision> choices;
        if (CanPay(game, offense.offense, IntentionalWalkChoice))
            choices.push_back({offense.offense, IntentionalWalkChoice,
                               ChoiceName(NormalPlay, IntentionalWalkChoice)});
        defense = Best(session, fielding, {offense.offense, NormalDefense, ""}, choices);
    }
    if (managesBatting && defense.defense != IntentionalWalkChoice) {
        std::vector<TurnDecision> choices;
        for (int choice : {SacrificeChoice, StealChoice})
            if (CanPay(game, choice, defense.defense))
                choices.push_back({choice, defense.defense, ChoiceName(choice, NormalDefense)});
        offense = Best(session, batting, {NormalPlay, defense.defense, ""}, choices);
    }
    TurnDecision decision{offense.offense, defense.defense, offense.reason};
    if (defense.defense == IntentionalWalkChoice)
        decision = {NormalPlay, IntentionalWalkChoice, defense.reason};
    return decision;
}

}  // namespace velmoro::look_ahead
