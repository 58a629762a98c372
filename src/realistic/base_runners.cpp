#include "realistic/base_runners.h"

#include "engine/bases.h"
#include "engine/running.h"
#include "engine/session.h"

namespace velmoro {

namespace {

constexpr int kBaseBits[3] = {Base::First, Base::Second, Base::Third};

}  // namespace

std::array<bool, 3> Occupied(const GameState& game) {
    static_assert(Base::First == 1 && Base::Second == 2 && Base::Third == 4);
    return Occupied(game.bases);
}

BasesPlay BatterOut(const GameState&) {
    BasesPlay play;
    play.outs = 1;
    return play;
}

BasesPlay Forced(const GameState& game) {
    const auto on = Occupied(game);
    BasesPlay play;
    play.batter = kFirst;
    const bool firstForced = on[kFirst];
    const bool secondForced = firstForced && on[kSecond];
    if (firstForced) play.to[kFirst] = kSecond;
    if (secondForced) play.to[kSecond] = kThird;
    if (secondForced && on[kThird]) play.to[kThird] = kHome;
    return play;
}

BasesPlay AllAdvance(const GameState&, int bases, int batterBase) {
    BasesPlay play;
    for (int base = kFirst; base <= kThird; ++base)
        play.to[base] = base + bases > kThird ? kHome : base + bases;
    play.batter = batterBase;
    return play;
}

int CommitPlay(Session& session, const BasesPlay& play) {
    GameState& game = session.game;
    const auto on = Occupied(game);
    std::array<int, 3> slot{-1, -1, -1};
    for (int base = kFirst; base <= kThird; ++base)
        if (on[base]) slot[base] = RunnerOnBase(game, kBaseBits[base]);
    // The third out ends the play: a play never makes a fourth.
    for (int out = 0; out < play.outs && game.outs < 3; ++out) {
        ++game.outs;
        CountPitcherEvent(game, OutEvent);
    }
    const bool inningOver = game.outs >= 3;
    // The queue: those who score first, then those who stay, lead runner first.
    std::array<int, 3> queue{};
    int placed = 0, scored = 0, bases = Base::None;
    for (int base = kThird; base >= kFirst; --base)
        if (on[base] && play.to[base] == kHome && !inningOver) {
            queue[placed++] = slot[base] + 1;
            ++scored;
        }
    for (int base = kThird; base >= kFirst; --base) {
        if (!on[base] || play.to[base] == kOut || play.to[base] == kHome) continue;
        queue[placed++] = slot[base] + 1;
        bases |= kBaseBits[play.to[base]];
    }
    game.runnerQueue = queue;
    ScoreRunners(session, scored);
    int runs = scored;
    if (play.batterPlays && play.batter == kHome) {
        ++CurrentLine(game.Batting(), game.batterIndex).runs;
        CountPitcherEvent(game, RunEvent);
        ++runs;
    } else if (play.batterPlays && play.batter >= kFirst && !inningOver) {
        PushRunner(game, game.batterIndex);
        bases |= kBaseBits[play.batter];
    }
    game.bases = bases;
    return runs;
}

}  // namespace velmoro
