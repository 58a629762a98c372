// The whole history of major-league baseball from the Lahman tables, as LegendDB teams.
#pragma once

#include <climits>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "db/records.h"

namespace velmoro {

struct LahmanImportOptions {
    int fromYear = INT_MIN;
    int toYear = INT_MAX;
    // Called as the work goes on with (steps done, steps in all).
    std::function<void(std::size_t, std::size_t)> progress;
};

// Reads Teams, People, Batting, Pitching and Appearances from `csvDir` and appends one
// team per team-season ("1927 Yankees") to `out`, a franchise's seasons side by side
// in order. False, with `error` set, when a table cannot be read or lacks a column.
bool ImportLahman(const std::filesystem::path& csvDir, const LahmanImportOptions& options,
                  TeamList& out, std::string* error = nullptr);

// Rounded ERA × 100 and opponents' average × 1000 as the tables give them; when a
// table has no value, from the counts. Exposed for the tests.
std::uint16_t EraX100(double era, long earnedRuns, long outs);
std::uint16_t OppAvgX1000(double baOpp, long hits, long battersFaced, long walks, long hitByPitch,
                          long sacrifices, long outs);

}  // namespace velmoro
