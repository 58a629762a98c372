// The program's own fictional league, the LegendDB a fresh installation plays with.
#pragma once

#include <vector>

#include "db/club_season.h"
#include "db/player_usage.h"
#include "db/records.h"
#include "db/season_index.h"

namespace velmoro {

inline constexpr int kDemoFirstSeason = 2024;
inline constexpr int kDemoSeasons = 2;
inline constexpr int kDemoClubs = 8;

// Every club's seasons side by side, oldest first, named "YEAR Club". The league is
// drawn from a fixed seed with integer arithmetic only, so every run and every
// platform yields the same records.
TeamList MakeDemoLeague();

// Invented final standings of the league's seasons, one record per team of
// MakeDemoLeague in its order: one league of two divisions of four, each club
// meeting every other 22 times. As stable as the league itself.
std::vector<SeasonRecord> MakeDemoStandings();

// Invented side files of the league, one line per player (team by team, in the league's
// order) and per team: each player's games and places agree with his record, a club's
// starts at every place and its pitchers' starts add up to its games in the
// standings, its totals are the sums of its players, bats and throws are drawn.
std::vector<PlayerUsage> MakeDemoPlayerUsage();
std::vector<ClubSeason> MakeDemoClubSeasons();

}  // namespace velmoro
