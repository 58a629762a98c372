// The texts of a replayed season: standings beside the real ones, leaders, realism,
// and the spreadsheet files. velmoro-sim prints them; the Season window shows them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "season/season.h"
#include "season/standings.h"

namespace velmoro {

// A category leader's figure: ".392" for AVG, "2.31" for ERA, whole numbers otherwise.
std::string LeaderValue(const std::string& title, double value);

// "1927 American League", a header line and one line per team.
std::string StandingsText(const Season& season, const SeasonResults& results,
                          const std::vector<int>& league);

// "Leaders", then one line per category with the first `count`.
std::string LeadersText(const Season& season, const SeasonResults& results,
                        const std::vector<int>& league, int count);

std::string RealismText(const Realism& realism);

// The standings to `path` and the player lines to the same name with "-players" before
// the extension, both CSV. False, with `error`, when either cannot be written.
bool WriteSeasonCsv(const std::filesystem::path& path, const Season& season,
                    const SeasonResults& results, std::string* error);

}  // namespace velmoro
