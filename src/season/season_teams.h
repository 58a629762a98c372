// The teams of one season, from LegendDB and the season index beside it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/status.h"
#include "db/records.h"
#include "db/season_index.h"
#include "season/season.h"

namespace velmoro {

// The season index beside the LegendDB the replay loads from `directory` (the user's
// copy where that is the one read).
std::filesystem::path ReplayIndexPath(const std::filesystem::path& directory);

// The year's team-seasons of the index (of one league when `league` is not empty) that
// LegendDB holds and the default set-up can field (with a designated hitter as the
// year's leagues used it), in the index's order, and their schedule: their real number
// of games, or `gamesPerTeam` when it is above zero. What it leaves out goes to `notes`,
// one line each: a team LegendDB lacks, a team that cannot be fielded and why, a league
// left with one club. An error when nothing is left to play.
Status SeasonFromIndex(const std::vector<SeasonRecord>& index, const TeamList& legend, int year,
                       const std::string& league, int gamesPerTeam, Season& season,
                       std::vector<std::string>& notes);

// The years the index holds, oldest first.
std::vector<int> IndexYears(const std::vector<SeasonRecord>& index);

// "American League" for "AL", and so on; the code itself when it is not a known league.
std::string LeagueName(const std::string& code);

}  // namespace velmoro
