// A season's schedule: each league's teams meet each other a balanced number of times,
// home and away split evenly, every team as close to its number of games as the
// league's other teams allow.
#pragma once

#include <vector>

namespace velmoro {

// Indexes into the season's teams.
struct ScheduledGame {
    int visitor = 0;
    int home = 0;
};

// `leagues` holds each league's team indexes; `targetGames[t]` is the number of games
// team t should play. Leagues never meet. Games come in rounds in which a team plays
// at most once, so that a team's games follow each other as its days would.
std::vector<ScheduledGame> BuildSchedule(const std::vector<std::vector<int>>& leagues,
                                         const std::vector<int>& targetGames);

}  // namespace velmoro
