#include "season/pitching_decisions.h"

namespace velmoro {

namespace {

constexpr int kStarterWinOuts = 15;
constexpr int kSaveMargin = 3;
constexpr int kSaveOuts = 3;

}  // namespace

PitchingDecisions DecidePitching(const std::vector<PitcherOuting>& winners,
                                 const std::vector<PitcherOuting>& losers, int margin) {
    PitchingDecisions decisions;
    const int count = static_cast<int>(winners.size());
    if (winners.front().outs < kStarterWinOuts)
        for (int i = 1; i < count; ++i)
            if (winners[i].outs > winners[decisions.winner].outs) decisions.winner = i;
    for (int i = 1; i < static_cast<int>(losers.size()); ++i)
        if (losers[i].runsAllowed > losers[decisions.loser].runsAllowed) decisions.loser = i;
    const int last = count - 1;
    if (last != decisions.winner && margin <= kSaveMargin && winners[last].outs >= kSaveOuts)
        decisions.save = last;
    return decisions;
}

}  // namespace velmoro
