#include "engine/running.h"

#include <bit>
#include <charconv>
#include <iterator>
#include <string>

#include "engine/bases.h"
#include "engine/display.h"
#include "engine/plate_appearance.h"
#include "engine/play_log.h"
#include "engine/session.h"

namespace velmoro {

namespace {

bool Odd(std::uint32_t draw) {
    return (draw & 1u) != 0;
}

std::string_view BatterName(const GameState& game) {
    const PlayerRecord* batter = game.Batting().lineup[game.batterIndex];
    return batter ? std::string_view(batter->name) : std::string_view();
}

BoxLine& BatterLine(GameState& game) {
    return CurrentLine(game.Batting(), game.batterIndex);
}

// A hit: an at-bat, the hit and the runs batted in for the batter, a hit allowed for
// the pitcher. Returns the batter's line for the kind of hit.
BoxLine& CreditHit(GameState& game, int runs) {
    BoxLine& batter = BatterLine(game);
    ++batter.atBats;
    ++batter.hits;
    batter.rbi += runs;
    CountPitcherEvent(game, HitEvent);
    return batter;
}

// Scores the runners ahead, then puts the batter on base, keeping the queue in base order.
void BatterReaches(Session& session, int runs) {
    ScoreRunners(session, runs);
    PushRunner(session.game, session.game.batterIndex);
}

PlayResult HomeRun(Session& session) {
    GameState& game = session.game;
    const int runs = RunnersOnBase(game) + 1;
    game.bases = Base::None;
    BoxLine& batter = CreditHit(game, runs);
    ++batter.homeRuns;
    ++batter.runs;
    CountPitcherEvent(game, RunEvent);  // the batter's own run
    ScoreRunners(session, runs - 1);
    LogPlay(session, BatterName(game), " hit a Home Run.", runs);
    return {runs, 1, 0};
}

PlayResult Triple(Session& session) {
    GameState& game = session.game;
    const int runs = RunnersOnBase(game);
    game.bases = Base::Third;
    ++CreditHit(game, runs).triples;
    BatterReaches(session, runs);
    LogPlay(session, BatterName(game), " hit a Triple.", runs);
    return {runs, 1, 0};
}

PlayResult Double(Session& session, bool odd) {
    GameState& game = session.game;
    const int before = game.bases;
    int runs = ((before & Base::Second) ? 1 : 0) + ((before & Base::Third) ? 1 : 0);
    if (odd && (before & Base::First)) {
        ++runs;
        game.bases = Base::Second;
    } else {
        game.bases = (before & Base::First) ? Base::Second | Base::Third : Base::Second;
    }
    ++CreditHit(game, runs).doubles;
    BatterReaches(session, runs);
    LogPlay(session, BatterName(game), " hit a Double.", runs);
    return {runs, 1, 0};
}

PlayResult Single(Session& session, bool odd) {
    GameState& game = session.game;
    const int before = game.bases;
    int runs = (before & Base::Third) ? 1 : 0;
    if (odd && (before & Base::Second)) {
        ++runs;
        game.bases = (before & Base::First) ? Base::First | Base::Third : Base::First;
    } else {
        game.bases = Base::First | ((before & Base::First) ? Base::Second : Base::None) |
                     ((before & Base::Second) ? Base::Third : Base::None);
    }
    CreditHit(game, runs);
    BatterReaches(session, runs);
    LogPlay(session, BatterName(game), " hit a Single.", runs);
    return {runs, 1, 0};
}

PlayResult Walk(Session& session) {
    GameState& game = session.game;
    const WalkAdvance walk = AdvanceOnWalk(game.bases);
    const int runs = walk.runs;
    game.bases = walk.bases;
    BoxLine& batter = BatterLine(game);
    ++batter.walks;
    batter.rbi += runs;
    CountPitcherEvent(game, WalkEvent);
    BatterReaches(session, runs);
    LogPlay(session, BatterName(game), " Walked.", runs);
    return {runs, 0, 0};
}

PlayResult Strikeout(Session& session) {
    GameState& game = session.game;
    ++game.outs;
    ++BatterLine(game).atBats;
    CountPitcherEvent(game, OutEvent | StrikeoutEvent);
    LogPlay(session, BatterName(game), " Struckout.", 0, "");
    return {};
}

PlayResult FlyBall(Session& session, bool odd) {
    GameState& game = session.game;
    const int before = game.bases;
    int runs = 0;
    if (game.outs < 2 && odd && (before & Base::Third)) {
        runs = 1;
        game.bases = (before & Base::First) | ((before & Base::Second) ? Base::Third : Base::None);
    }
    ++game.outs;
    BoxLine& batter = BatterLine(game);
    ++batter.atBats;
    batter.rbi += runs;
    CountPitcherEvent(game, OutEvent);
    ScoreRunners(session, runs);
    LogPlay(session, BatterName(game), odd ? " Flied out." : " Popped out.", runs);
    return {runs, 0, 0};
}

PlayResult GroundBall(Session& session, bool odd) {
    GameState& game = session.game;
    const int before = game.bases;
    int runs = 0;
    bool doublePlay = false;
    if (game.outs < 2 && (before & Base::Third) && odd) {
        runs = 1;
        game.bases = ((before & Base::First) ? Base::Second : Base::None) |
                     ((before & Base::Second) ? Base::Third : Base::None);
    } else if (game.outs < 2 && (before & Base::First) && odd) {
        doublePlay = true;
        // The runner forced at second is the last of the queue.
        game.runnerQueue[RunnersOnBase(game) - 1] = 0;
        game.bases = (before & Base::Second) ? Base::Third : Base::None;
        ++game.outs;
        CountPitcherEvent(game, OutEvent);
    }
    ++game.outs;
    BoxLine& batter = BatterLine(game);
    ++batter.atBats;
    batter.rbi += runs;
    CountPitcherEvent(game, OutEvent);
    ScoreRunners(session, runs);
    LogPlay(session, BatterName(game),
            doublePlay ? " Grounded into double play. " : " Grounded out.", runs);
    return {runs, 0, 0};
}

void ShowBox(Session& session, Side side, int box, int value) {
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    session.Screen().ShowScoreBox(side, box, std::string_view(digits, end - digits));
}

}  // namespace

void PushRunner(GameState& game, int slot) {
    for (int& place : game.runnerQueue) {
        if (place == 0) {
            place = slot + 1;
            return;
        }
    }
}

int PopRunner(GameState& game) {
    auto& queue = game.runnerQueue;
    const int lead = queue[0] - 1;
    queue[0] = queue[1];
    queue[1] = queue[2];
    queue[2] = 0;
    return lead;
}

int RunnerOnBase(const GameState& game, int base) {
    const auto& queue = game.runnerQueue;
    const bool second = (game.bases & Base::Second) != 0;
    const bool third = (game.bases & Base::Third) != 0;
    if (base == Base::Third) return queue[0] - 1;
    if (base == Base::Second) return (third ? queue[1] : queue[0]) - 1;
    if (second && third) return queue[2] - 1;
    if (second || third) return queue[1] - 1;
    return queue[0] - 1;
}

int RunnersOnBase(const GameState& game) {
    return std::popcount(static_cast<unsigned>(game.bases & Base::Loaded));
}

void CountPitcherEvent(GameState& game, int events) {
    BoxPitching* pitching = CurrentPitcherLine(game).pitching.get();
    if (!pitching) return;
    if (events & OutEvent) ++pitching->outs;
    if (events & StrikeoutEvent) ++pitching->strikeouts;
    if (events & WalkEvent) ++pitching->walks;
    if (events & RunEvent) ++pitching->runsAllowed;
    if (events & HitEvent) ++pitching->hitsAllowed;
}

void ScoreRunners(Session& session, int count) {
    GameState& game = session.game;
    for (int run = 0; run < count; ++run) {
        const int slot = PopRunner(game);
        CountPitcherEvent(game, RunEvent);
        // An empty queue would give -1; the bases and the queue agree, so it does not.
        if (slot < 0 || slot > 8) continue;
        ++CurrentLine(game.Batting(), slot).runs;
        session.Screen().ShowLineupRow(slot);
    }
}

PlayResult PlayPlateResult(Session& session, PlateResult result, std::uint32_t draw) {
    const bool odd = Odd(draw);
    switch (result) {
        case PlateResult::HomeRun:
            return HomeRun(session);
        case PlateResult::Triple:
            return Triple(session);
        case PlateResult::Double:
            return Double(session, odd);
        case PlateResult::Single:
            return Single(session, odd);
        case PlateResult::Walk:
            return Walk(session);
        case PlateResult::Strikeout:
            return Strikeout(session);
        case PlateResult::FlyBall:
            return FlyBall(session, odd);
        case PlateResult::GroundBall:
            return GroundBall(session, odd);
    }
    return {};
}

void ApplyPlayResult(Session& session, const PlayResult& result) {
    GameState& game = session.game;
    GameSide& batting = game.Batting();
    const Side side = game.battingSide;
    const bool inLineScore = game.inning >= 1 && game.inning <= 9;
    batting.teamRuns += result.runs;
    game.halfInningRuns += result.runs;
    if (inLineScore) batting.lineScore[game.inning - 1] = game.halfInningRuns;
    if (result.runs > 0) {
        if (inLineScore) ShowBox(session, side, game.inning, game.halfInningRuns);
        ShowBox(session, side, RunsBox, batting.teamRuns);
    }
    if (result.hits > 0) {
        batting.hits += result.hits;
        ShowBox(session, side, HitsBox, batting.hits);
    }
    if (result.errors > 0) {
        GameSide& fielding = game.Fielding();
        fielding.errors += result.errors;
        ShowBox(session, game.FieldingSide(), ErrorsBox, fielding.errors);
    }
}

}  // namespace velmoro
