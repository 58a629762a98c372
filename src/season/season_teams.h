// The teams of one season, from LegendDB and the season index beside it.
#pragma once

#include <string>
#include <vector>

#include "db/records.h"
#include "db/season_index.h"
#include "season/season.h"

namespace velmoro {

// The year's team-seasons of the index (of one league when `league` is not empty) whose
// team LegendDB holds and can field, in the index's order, with a designated hitter as
// the year's leagues used it. Teams the database lacks or cannot field are named in
// `skipped`. False, with `error`, when no league of the year has two teams to play.
bool SeasonFromIndex(const std::vector<SeasonRecord>& index, const TeamList& legend, int year,
                     const std::string& league, Season& season, std::vector<std::string>& skipped,
                     std::string* error);

// The years the index holds, oldest first.
std::vector<int> IndexYears(const std::vector<SeasonRecord>& index);

// "American League" for "AL", and so on; the code itself when it is not a known league.
std::string LeagueName(const std::string& code);

}  // namespace velmoro
