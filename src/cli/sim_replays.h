// A season replayed more than once: each replay on a seed of its own, the results put
// together, and the texts that show them averaged over the replays.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "season/season.h"
#include "season/standings.h"

namespace velmoro {

// The seed of replay `replay` (from 0) of a run seeded with `seed`: the run's own seed
// for the first, so that one replay plays the season as it always has.
std::uint32_t ReplaySeed(std::uint32_t seed, int replay);

// A season replayed `count` times, seen as one long season: `season.schedule` holds the
// real schedule `count` times over, replay after replay, `results.games` every replay's
// games in that order and `results.players` each player's totals summed. The standings,
// leaders and realism of one replay read it as they read a single one; the texts below
// divide what they count by `count`.
struct Replays {
    Season season;
    SeasonResults results;
    int count = 1;
    std::size_t gamesPerReplay = 0;
};

// Hears of each replay's own results, replay after replay.
using ReplayListener = std::function<void(const SeasonResults&)>;

// Plays `season` `count` times, replay r on ReplaySeed(options.seed, r); `onGame` hears of
// every game of every replay, `onReplay` (when set) of every replay played whole. The
// same for any number of workers. Stops at the first replay that fails, with its error.
Status PlayReplays(const Season& season, const SeasonRunOptions& options, int count, Replays& out,
                   const ReplayListener& onReplay = {});

// The standings and leaders of one league as StandingsText and LeadersText show them,
// every count an average over the replays (one decimal).
std::string AveragedStandingsText(const Replays& replays, const std::vector<int>& league);
std::string AveragedLeadersText(const Replays& replays, const std::vector<int>& league, int count);

// MeasureRealism of the replays: the correlation of the averaged winning percentages
// with the real ones, the mean difference in wins of one replay, runs per game.
Realism AveragedRealism(const Replays& replays);

// How far the simulated runs per game are from the real ones, in per cent of the real.
double RunsDifferencePercent(const Realism& realism);

}  // namespace velmoro
