// A play's effect on the runners, written into the game as the classic plays write
// theirs: the runner queue in base order, runs credited to the runners who score and
// charged to the pitcher, outs charged to him.
#pragma once

#include <array>

namespace velmoro {

struct Session;
struct GameState;

// Index of a base in the arrays below: first 0, second 1, third 2.
inline constexpr int kFirst = 0, kSecond = 1, kThird = 2;
// A base number for a runner who scores and for one put out.
inline constexpr int kHome = 3, kOut = -1;

struct BasesPlay {
    // Where the runner who stood on each base ends up (his own base when he holds).
    std::array<int, 3> to{kFirst, kSecond, kThird};
    // Where the batter ends up: kOut, a base, kHome (or kOut for a batter still at the
    // plate when the play is not his: see `batterPlays`).
    int batter = kOut;
    bool batterPlays = true;
    int outs = 0;  // outs on the play, the batter's included
};

// Occupied bases of a bit set of Base bits as an array: which are taken.
inline std::array<bool, 3> Occupied(int bases) {
    return {(bases & 1) != 0, (bases & 2) != 0, (bases & 4) != 0};
}
std::array<bool, 3> Occupied(const GameState& game);

// A play where every runner holds and the batter is out.
BasesPlay BatterOut(const GameState& game);

// Forced moves only: the batter to first, each runner pushed on by the one behind.
BasesPlay Forced(const GameState& game);

// Every runner and the batter move `bases` bases.
BasesPlay AllAdvance(const GameState& game, int bases, int batterBase);

// Writes the play: outs (never past the third), the queue, the runs (credited to the
// runners, charged to the pitcher; the batter's own run when he scores). Returns the runs
// scored. Runners who would score on a play that makes the third out do not.
int CommitPlay(Session& session, const BasesPlay& play);

}  // namespace velmoro
