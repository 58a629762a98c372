// The year and league boxes of the season windows, filled from the season index: the
// years oldest first with the latest chosen, "All leagues" then the year's leagues.
#pragma once

#include <vector>

#include "db/season_index.h"

class QComboBox;

namespace velmoro {

// Each item's data is its year.
void FillYearBox(QComboBox* box, const std::vector<SeasonRecord>& index);
// Each item's data is its league's code, empty for "All leagues".
void FillLeagueBox(QComboBox* box, const std::vector<SeasonRecord>& index, int year);

}  // namespace velmoro
