// The season index beside a team database: one row per team-season with its final
// standing. It is optional (no game needs it); season replays are built on it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace velmoro {

// The name of LegendDB's index, the one the programs have always read beside it.
inline constexpr const char* kSeasonIndexFileName = "Seasons.csv";
// The index of any other database X is "X.seasons.csv".
inline constexpr const char* kSeasonIndexSuffix = ".seasons.csv";

// Where the index of the database file at `database` is: Seasons.csv beside a database
// named LegendDB, DATABASE.seasons.csv beside any other, so that a database written
// into a folder never replaces the index of another database there.
std::filesystem::path SeasonIndexPathFor(const std::filesystem::path& database);

// One team-season. `team` is the team's name in LegendDB ("1927 Yankees").
struct SeasonRecord {
    std::string team;
    int year = 0;
    std::string league;
    std::string division;  // empty before leagues had divisions
    int games = 0;
    int wins = 0;
    int losses = 0;
    int runs = 0;
    int runsAllowed = 0;
    int rank = 0;  // final place in the league or division

    bool operator==(const SeasonRecord&) const = default;
};

// What a record may hold: no season is longer than kMaxSeasonGames games a team (so a
// schedule made from the index stays small), wins and losses each fit the games, runs
// scored and allowed fit kMaxRunsPerGame a game. Wins and losses are not held to the
// games together: a forfeit counts a decision without a game, so real seasons such as
// the 1979 White Sox (73-87 in 159 games) have more decisions than games.
inline constexpr int kFirstSeasonYear = 1800;
inline constexpr int kLastSeasonYear = 9999;
inline constexpr int kMaxSeasonGames = 200;
inline constexpr int kMaxRunsPerGame = 100;
inline constexpr int kMaxRank = 999;

// "column wins: 170 is not in 0..155 (the games)" for the first number of the record
// out of its range; empty for a record that fits.
std::string SeasonRecordProblem(const SeasonRecord& record);

// The file's first line; the columns in this order.
inline constexpr const char* kSeasonIndexHeader =
    "team,year,league,division,games,wins,losses,runs,runs_allowed,rank";

// The whole file: the header, then one CSV record per team-season.
std::string SeasonIndexText(const std::vector<SeasonRecord>& seasons);

// Writes the file through a temporary file renamed over it; refused, with the file and
// the system's reason, when nothing was written.
Status WriteSeasonIndex(const std::filesystem::path& path,
                        const std::vector<SeasonRecord>& seasons);

// Reads a whole index into `out` (emptied first). False, with `error` naming the file
// and, for a damaged file, the line and column, when it is missing, not a season index
// or holds no team-season; `out` is then empty. Every number is range-checked as
// SeasonRecordProblem says and a team is named once; a leading byte-order mark is
// skipped.
bool LoadSeasonIndex(const std::filesystem::path& path, std::vector<SeasonRecord>& out,
                     std::string* error = nullptr);
// LoadSeasonIndex on the file's text: the message starts at the line ("line 3: ...").
Status ParseSeasonIndex(std::string_view text, std::vector<SeasonRecord>& out);

}  // namespace velmoro
