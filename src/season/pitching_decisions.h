// Who wins, loses and saves a game, from the pitchers' lines alone (the replay keeps no
// score at each change of pitcher).
#pragma once

#include <vector>

namespace velmoro {

struct PitcherOuting {
    int outs = 0;
    int runsAllowed = 0;
};

// Indexes into the outings; `save` is -1 when nobody saved the game.
struct PitchingDecisions {
    int winner = 0;
    int loser = 0;
    int save = -1;
};

// The winning side's starter wins with five innings (15 outs) or more, else its pitcher
// with the most outs (the first of equals); the loser is the losing side's pitcher who
// allowed the most runs (the first of equals); the winning side's last pitcher saves a
// game won by three runs or fewer when he is not the winner and got three outs or more.
// Both sides pitched: neither list is empty, each in the order the pitchers came in.
PitchingDecisions DecidePitching(const std::vector<PitcherOuting>& winners,
                                 const std::vector<PitcherOuting>& losers, int margin);

}  // namespace velmoro
