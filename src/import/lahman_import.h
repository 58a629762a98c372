// The whole history of major-league baseball from the Lahman tables, as LegendDB teams.
#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "db/club_season.h"
#include "db/player_usage.h"
#include "db/records.h"
#include "db/season_index.h"

namespace velmoro {

struct LahmanImportOptions {
    int fromYear = INT_MIN;
    int toYear = INT_MAX;
    // Called as the work goes on with (steps done, steps in all).
    std::function<void(std::size_t, std::size_t)> progress;
};

// The lineup pages whose default the import is measured on: C, 1B, 2B, SS, 3B, outfield.
inline constexpr std::size_t kRegularPages = 6;
inline constexpr std::array<const char*, kRegularPages> kRegularPageNames = {"C",  "1B", "2B",
                                                                             "SS", "3B", "OF"};

// What the import learnt of one team-season beside its players.
struct LahmanSeason {
    SeasonRecord standing;
    // Names of the club's regulars per page of kRegularPageNames: the leaders in games at
    // the position (all of them on a tie); in the outfield the three leaders in outfield
    // games. Empty for a position nobody played.
    std::array<std::vector<std::string>, kRegularPages> regulars;
};

struct LahmanImportResult {
    std::vector<LahmanSeason> seasons;  // one per team of the list, in its order
    // Rows refused and values cut to their field's width, each naming file, line and
    // column; team-seasons left out for having no players in Batting.
    std::vector<std::string> warnings;
    std::vector<std::string> leftOut;
    // The side files' lines: a player of each team as the list names him, each team.
    // Both empty, with the reason ("Pitching.csv has no column GF"), when a table lacks
    // one of their columns.
    std::vector<PlayerUsage> players;
    std::vector<ClubSeason> clubs;
    std::string noSideFiles;
};

// Reads Teams, People, Batting, Pitching and Appearances from `csvDir` and appends one
// team per team-season ("1927 Yankees") to `out`, a franchise's seasons side by side
// in order. False, with `error` set, when a table cannot be read or lacks a column.
bool ImportLahman(const std::filesystem::path& csvDir, const LahmanImportOptions& options,
                  TeamList& out, LahmanImportResult* result = nullptr,
                  std::string* error = nullptr);

// Rounded ERA × 100 and opponents' average × 1000 as the tables give them; when a
// table has no value, from the counts. Exposed for the tests.
std::uint16_t EraX100(double era, long earnedRuns, long outs);
std::uint16_t OppAvgX1000(double baOpp, long hits, long battersFaced, long walks, long hitByPitch,
                          long sacrifices, long outs);

}  // namespace velmoro
