// The manager's plays in the realistic engine: the same refusals and texts as the
// classic plays, with outcomes that depend on who bats and who runs.
#include <algorithm>
#include <cmath>
#include <string>

#include "db/captions.h"
#include "engine/bases.h"
#include "engine/play_log.h"
#include "engine/session.h"
#include "engine/strategies.h"
#include "realistic/base_runners.h"
#include "realistic/realistic_game.h"

namespace velmoro {

namespace {

// A sacrifice bunt: the runners move up and the batter is out this often for a batter of
// the league's contact, a bunt single now and then, else the lead runner is forced or
// the bunt is popped up.
constexpr double kBuntSacrifice = 0.70;
constexpr double kBuntSingle = 0.06;
constexpr double kBuntForce = 0.15;
// A squeeze scores the runner from third this often for a batter of the league's contact
// and a runner of its stealing success.
constexpr double kSqueezeScores = 0.62;
// Stealing third is a little harder than stealing second.
constexpr double kStealThirdFactor = 0.95;

std::nullopt_t Refuse(Session& session, Refusal refusal) {
    session.Screen().ShowMessage(RefusalText(refusal), kCaption);
    return std::nullopt;
}

std::string NameOf(const GameState& game, int slot) {
    return CurrentLine(const_cast<GameState&>(game).Batting(), slot).name;
}

const PlayerModel& Runner(const RealisticGame& model, const GameState& game, int base) {
    const int slot = RunnerOnBase(game, base);
    return model.Player(game.battingSide, game.Batting().lineup[slot]);
}

// One runner's steal of the next base; the others hold.
PlayResult StealBase(Session& session, const RealisticGame& model, int base, int& outs) {
    GameState& game = session.game;
    const int slot = RunnerOnBase(game, base);
    double chance = Runner(model, game, base).stealSuccess;
    if (base == Base::Second) chance *= kStealThirdFactor;
    const bool toThird = base == Base::Second;
    BasesPlay play;
    play.batterPlays = false;
    const int index = toThird ? kSecond : kFirst;
    BoxLine& runner = CurrentLine(game.Batting(), slot);
    if (Uniform(session.random) < chance) {
        play.to[index] = index + 1;
        ++runner.stolenBases;
        CommitPlay(session, play);
        LogPlay(session, runner.name, toThird ? "stole third base." : "stole second base.", 0);
    } else {
        play.to[index] = kOut;
        play.outs = 1;
        ++outs;
        CommitPlay(session, play);
        LogPlay(session, runner.name,
                toThird ? "was caught stealing third base." : "was caught stealing second base.",
                0);
    }
    return {};
}

}  // namespace

std::optional<PlayResult> RealisticGame::Steal(Session& session) const {
    GameState& game = session.game;
    if (const Refusal refusal = StealRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    int outs = 0;
    const auto on = Occupied(game);
    // With runners on first and second the lead runner goes and the other follows him;
    // with first and third the runner on third holds.
    if (on[kFirst] && on[kSecond]) {
        const int trailing = RunnerOnBase(game, Base::First);
        StealBase(session, *this, Base::Second, outs);
        if (game.outs < 3) {
            BasesPlay follow;
            follow.batterPlays = false;
            follow.to[kFirst] = kSecond;
            ++CurrentLine(game.Batting(), trailing).stolenBases;
            CommitPlay(session, follow);
            LogPlay(session, NameOf(game, trailing), "stole second base.", 0);
        }
        return PlayResult{};
    }
    StealBase(session, *this, on[kSecond] ? Base::Second : Base::First, outs);
    return PlayResult{};
}

std::optional<PlayResult> RealisticGame::Sacrifice(Session& session) const {
    GameState& game = session.game;
    if (const Refusal refusal = SacrificeRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    const PlayerModel& batter = Player(game.battingSide, game.Batting().lineup[game.batterIndex]);
    BoxLine& line = CurrentLine(game.Batting(), game.batterIndex);
    const std::string name = line.name;
    const double draw = Uniform(session.random);
    const double sacrifice = std::min(0.9, kBuntSacrifice * std::sqrt(batter.contact));
    if (draw < sacrifice) {
        BasesPlay play = AllAdvance(game, 1, kOut);
        play.outs = 1;
        CommitPlay(session, play);
        LogPlay(session, name, " layed down a sacrifice bunt.", 0);
        return PlayResult{};
    }
    ++line.atBats;
    if (draw < sacrifice + kBuntSingle) {
        ++line.hits;
        CountPitcherEvent(game, HitEvent);
        CommitPlay(session, AllAdvance(game, 1, kFirst));
        LogPlay(session, name, " beat out a bunt for a Single.", 0);
        return PlayResult{0, 1, 0};
    }
    if (draw < sacrifice + kBuntSingle + kBuntForce) {
        BasesPlay play = Forced(game);
        const auto on = Occupied(game);
        play.to[on[kSecond] ? kSecond : kFirst] = kOut;
        play.outs = 1;
        CommitPlay(session, play);
        LogPlay(session, name, " bunted into a force out.", 0);
        return PlayResult{};
    }
    CommitPlay(session, BatterOut(game));
    LogPlay(session, name, " Popped out.", 0);
    return PlayResult{};
}

std::optional<PlayResult> RealisticGame::SqueezePlay(Session& session) const {
    GameState& game = session.game;
    if (const Refusal refusal = SqueezeRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    const PlayerModel& batter = Player(game.battingSide, game.Batting().lineup[game.batterIndex]);
    const double speed = Runner(*this, game, Base::Third).stealSuccess / context_.stealSuccess;
    const double chance =
        std::clamp(kSqueezeScores * std::sqrt(batter.contact) * std::sqrt(speed), 0.2, 0.9);
    BoxLine& line = CurrentLine(game.Batting(), game.batterIndex);
    const std::string name = line.name;
    const double draw = Uniform(session.random);
    if (draw < chance) {
        BasesPlay play = AllAdvance(game, 1, kOut);
        play.outs = 1;
        const int runs = CommitPlay(session, play);
        line.rbi += runs;
        LogPlay(session, name, "did a squeeze play. Hitter is out at first.", runs, "run scored");
        return PlayResult{runs, 0, 0};
    }
    ++line.atBats;
    BasesPlay play = Forced(game);
    play.to[kThird] = kOut;
    play.outs = 1;
    CommitPlay(session, play);
    if (draw < chance + (1.0 - chance) / 2) {
        LogPlay(session, name + " missed ball.  Squeeze play failed.",
                "Runner on third out at the plate.", 0);
    } else {
        LogPlay(session, name, "did a squeeze play. Runner on third out at the plate.", 0);
    }
    return PlayResult{};
}

}  // namespace velmoro
