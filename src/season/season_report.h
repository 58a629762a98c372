// The texts of a replayed season: standings beside the real ones, leaders, realism,
// and the spreadsheet files. velmoro-sim prints them; the Season window shows them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/status.h"
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

// "out-players.csv" for "out.csv": where the player lines go beside the standings.
std::filesystem::path PlayersCsvPath(const std::filesystem::path& path);

// Both files written whole, or neither: each goes through the whole-or-nothing writer,
// and when the second cannot be written the first is put back as it was (or removed
// when it was new). Only a crash between the two leaves the new first beside the old
// second.
Status WriteCsvPair(const std::filesystem::path& first, const std::string& firstBytes,
                    const std::filesystem::path& second, const std::string& secondBytes);

// The standings to `path` and the player lines to PlayersCsvPath(path), both CSV.
Status WriteSeasonCsv(const std::filesystem::path& path, const Season& season,
                      const SeasonResults& results);

}  // namespace velmoro
