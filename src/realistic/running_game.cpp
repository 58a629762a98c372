#include "realistic/running_game.h"

#include <algorithm>

#include "engine/bases.h"
#include "engine/running.h"
#include "engine/session.h"
#include "engine/strategies.h"
#include "realistic/realistic_game.h"

namespace velmoro {

namespace {

const PlayerModel& OnBase(const RealisticGame& model, const GameState& game, int base) {
    return model.Player(game.battingSide, game.Batting().lineup[RunnerOnBase(game, base)]);
}

double StealChance(const RealisticGame& model, const GameState& game) {
    const bool first = game.bases & Base::First, second = game.bases & Base::Second;
    if (first && !second) return OnBase(model, game, Base::First).stealAttempts / kTurnsOnFirst;
    if (second && game.bases == Base::Second)
        return kStealThirdShare * OnBase(model, game, Base::Second).stealAttempts / kTurnsOnFirst;
    return 0;
}

double BuntChance(const RealisticGame& model, const GameState& game) {
    if (game.outs != 0 || (game.bases & Base::Third) || game.bases == Base::None) return 0;
    const PlayerRecord* batter = game.Batting().lineup[game.batterIndex];
    return std::min(0.9, model.Player(game.battingSide, batter).sacrifices / kBuntChances);
}

}  // namespace

int RunningGameChoice(const RealisticGame& model, const GameState& game, double draw) {
    const double bunt = BuntChance(model, game);
    if (draw < bunt) return SacrificeRefusal(game) == Refusal::None ? SacrificeChoice : NormalPlay;
    const double steal = std::min(0.9, StealChance(model, game));
    if (draw < bunt + steal) return StealRefusal(game) == Refusal::None ? StealChoice : NormalPlay;
    return NormalPlay;
}

}  // namespace velmoro
