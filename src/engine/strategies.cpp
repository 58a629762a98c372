#include "engine/strategies.h"

#include <string>

#include "db/captions.h"
#include "engine/bases.h"
#include "engine/play_log.h"
#include "engine/running.h"
#include "engine/session.h"

namespace velmoro {

namespace {

StrategyResult Refuse(Session& session, Refusal refusal) {
    session.Screen().ShowMessage(RefusalText(refusal), kCaption);
    return StrategyResult::Refused;
}

std::string BatterName(const GameState& game) {
    const PlayerRecord* batter = game.Batting().lineup[game.batterIndex];
    return batter ? batter->name : std::string();
}

BoxLine& BatterLine(GameState& game) {
    return CurrentLine(game.Batting(), game.batterIndex);
}

BoxLine& RunnerLine(GameState& game, int slot) {
    return CurrentLine(game.Batting(), slot);
}

// The runner of `slot` takes his base: credited, then logged under his game line's name.
void LogSteal(Session& session, int slot, const char* text) {
    BoxLine& runner = RunnerLine(session.game, slot);
    ++runner.stolenBases;
    LogPlay(session, runner.name, text, 0);
}

void LogCaught(Session& session, int slot, const char* text) {
    LogPlay(session, RunnerLine(session.game, slot).name, text, 0);
}

StrategyResult StealWithFirstAndThird(Session& session, int draw) {
    GameState& game = session.game;
    const int onFirst = RunnerOnBase(game, Base::First);
    const int onThird = RunnerOnBase(game, Base::Third);
    const int pick = draw % 6;
    if (pick == 1 || pick == 3) {
        LogSteal(session, onFirst, "stole second base.");
        game.bases = Base::Second | Base::Third;
        return StrategyResult::Done;
    }
    if (pick == 5) {
        BoxLine& runner = RunnerLine(game, onThird);
        ++runner.stolenBases;
        LogPlay(session, runner.name, "stole home.", 1);
        LogSteal(session, onFirst, "stole second base.");
        game.bases = Base::Second;
        ScoreRunners(session, 1);
        return StrategyResult::DoneWithRun;
    }
    LogCaught(session, onThird, "was caught stealing home.");
    if (game.outs != 3) {
        LogSteal(session, onFirst, "stole second base.");
        game.bases = Base::Second;
    } else {
        // The runner on first stays where he is. The side change clears the bases, but
        // when this out ends the game nothing does, so the bases must already agree
        // with the queue.
        game.bases = Base::First;
    }
    PopRunner(game);
    return StrategyResult::Done;
}

void StealOneBase(Session& session, bool success, int base) {
    GameState& game = session.game;
    const int runner = RunnerOnBase(game, base);
    const bool second = base == Base::First;
    if (success) {
        game.bases = base << 1;
        LogSteal(session, runner, second ? "stole second base." : "stole third base.");
        return;
    }
    game.bases = Base::None;
    LogCaught(session, runner,
              second ? "was caught stealing second base." : "was caught stealing third base.");
    PopRunner(game);
}

void DoubleSteal(Session& session, bool success) {
    GameState& game = session.game;
    const int onSecond = RunnerOnBase(game, Base::Second);
    const int onFirst = RunnerOnBase(game, Base::First);
    if (success) {
        LogSteal(session, onSecond, "stole third base.");
        LogSteal(session, onFirst, "stole second base.");
        game.bases = Base::Second | Base::Third;
        return;
    }
    LogCaught(session, onSecond, "was caught stealing third base.");
    LogSteal(session, onFirst, "stole second base.");
    game.bases = Base::Second;
    PopRunner(game);
}

void SqueezeBases(GameState& game, bool scored) {
    const bool first = (game.bases & Base::First) != 0;
    const bool second = (game.bases & Base::Second) != 0;
    if (scored) {
        // The runner from third has scored; the batter is out, the others move up.
        game.bases = (first ? Base::Second : Base::None) | (second ? Base::Third : Base::None);
        return;
    }
    // The runner from third is out at the plate and the batter takes first.
    PopRunner(game);
    PushRunner(game, game.batterIndex);
    game.bases =
        Base::First | (first ? Base::Second : Base::None) | (second ? Base::Third : Base::None);
}

}  // namespace

Refusal SacrificeRefusal(const GameState& game) {
    if (game.bases == Base::Loaded) return Refusal::SacrificeBasesLoaded;
    if (game.bases & Base::Third) return Refusal::SacrificeRunnerOnThird;
    if (game.bases == Base::None) return Refusal::SacrificeNoRunners;
    if (game.outs == 2) return Refusal::SacrificeTwoOuts;
    return Refusal::None;
}

Refusal StealRefusal(const GameState& game) {
    switch (game.bases) {
        case Base::Loaded:
            return Refusal::StealBasesLoaded;
        case Base::Third:
            return Refusal::StealRunnerOnlyOnThird;
        case Base::Second | Base::Third:
            return Refusal::StealRunnersOnlyOnSecondAndThird;
        case Base::None:
            return Refusal::StealNoRunners;
        default:
            return Refusal::None;
    }
}

Refusal SqueezeRefusal(const GameState& game) {
    if (game.bases == Base::Loaded) return Refusal::SqueezeBasesLoaded;
    if (game.outs == 2) return Refusal::SqueezeTwoOuts;
    if (game.bases == Base::None) return Refusal::SqueezeNoRunners;
    if (!(game.bases & Base::Third)) return Refusal::SqueezeNoRunnerOnThird;
    return Refusal::None;
}

Refusal IntentionalWalkRefusal(const GameState& game) {
    if (game.bases == Base::Loaded) return Refusal::IntentionalWalkBasesLoaded;
    return Refusal::None;
}

Refusal TurnRefusal(const GameState& game, int offensiveChoice, int defensiveChoice) {
    // The same order as the turn itself: the walk comes first and the batter's choice
    // is then never played.
    if (defensiveChoice == IntentionalWalkChoice) return IntentionalWalkRefusal(game);
    switch (offensiveChoice) {
        case SacrificeChoice:
            return SacrificeRefusal(game);
        case StealChoice:
            return StealRefusal(game);
        case SqueezeChoice:
            return SqueezeRefusal(game);
        default:
            return Refusal::None;
    }
}

StrategyResult Sacrifice(Session& session) {
    GameState& game = session.game;
    if (const Refusal refusal = SacrificeRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    ++game.outs;
    game.bases <<= 1;
    LogPlay(session, BatterName(game), " layed down a sacrifice bunt.", 0);
    CountPitcherEvent(game, OutEvent);
    return StrategyResult::Done;
}

StrategyResult Steal(Session& session) {
    GameState& game = session.game;
    if (const Refusal refusal = StealRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    const int draw = session.random.Next();
    const bool success = (draw & 1) != 0;
    if (!success) {
        ++game.outs;
        CountPitcherEvent(game, OutEvent);
    }
    switch (game.bases) {
        case Base::First:
            StealOneBase(session, success, Base::First);
            break;
        case Base::Second:
            StealOneBase(session, success, Base::Second);
            break;
        case Base::First | Base::Second:
            DoubleSteal(session, success);
            break;
        default:
            return StealWithFirstAndThird(session, draw);
    }
    return StrategyResult::Done;
}

StrategyResult SqueezePlay(Session& session) {
    GameState& game = session.game;
    if (const Refusal refusal = SqueezeRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    const int pick = session.random.Next() % 4;
    ++game.outs;
    CountPitcherEvent(game, OutEvent);
    const std::string name = BatterName(game);
    if (pick >= 2) {
        ++BatterLine(game).rbi;
        ScoreRunners(session, 1);
        LogPlay(session, name, "did a squeeze play. Hitter is out at first.", 1, "run scored");
        SqueezeBases(game, true);
        return StrategyResult::DoneWithRun;
    }
    if (pick == 0) {
        LogPlay(session, name + " missed ball.  Squeeze play failed.",
                "Runner on third out at the plate.", 0);
    } else {
        LogPlay(session, name, "did a squeeze play. Runner on third out at the plate.", 0);
    }
    ++BatterLine(game).atBats;
    SqueezeBases(game, false);
    return StrategyResult::Done;
}

StrategyResult IntentionalWalk(Session& session) {
    GameState& game = session.game;
    if (const Refusal refusal = IntentionalWalkRefusal(game); refusal != Refusal::None)
        return Refuse(session, refusal);
    ++BatterLine(game).walks;
    CountPitcherEvent(game, WalkEvent);
    game.bases = AdvanceOnWalk(game.bases).bases;
    PushRunner(game, game.batterIndex);
    LogPlay(session, BatterName(game), " was intentionally walked.", 0);
    return StrategyResult::Done;
}

}  // namespace velmoro
