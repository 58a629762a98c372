// A managed season as text: what velmoro-season prints.
#pragma once

#include <string>

#include "campaign/managed_season.h"

namespace velmoro {

// "1927 season, Tue Apr 12, 1927 (day 1 of 186), 0 of 1,232 games played".
std::string SeasonStatusText(const ManagedSeason& season);

// "Game 12  Tue Apr 19, 1927  1927 Yankees 5, 1927 Athletics 3" or "... at ..." unplayed.
std::string GameLineText(const ManagedSeason& season, const SeasonGame& game);

// The line score, each side's batters and pitchers.
std::string BoxScoreText(const ManagedSeason& season, const BoxScore& box);

}  // namespace velmoro
