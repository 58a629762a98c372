// Seasons.csv beside LegendDB: one row per team-season with its final standing. It is
// optional (no game needs it); season replays are built on it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmoro {

inline constexpr const char* kSeasonIndexFileName = "Seasons.csv";

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

// The file's first line; the columns in this order.
inline constexpr const char* kSeasonIndexHeader =
    "team,year,league,division,games,wins,losses,runs,runs_allowed,rank";

// The whole file: the header, then one line per record (LF line ends; a text holding a
// comma or a quote is quoted).
std::string SeasonIndexText(const std::vector<SeasonRecord>& seasons);

// Writes the file through a temporary file renamed over it. False, with `error`, when
// nothing was written.
bool WriteSeasonIndex(const std::filesystem::path& path, const std::vector<SeasonRecord>& seasons,
                      std::string* error = nullptr);

// Reads a whole file into `out` (emptied first). False, with `error` naming the file
// and, for a damaged file, the line and column, when it is missing or not a season
// index; `out` is then empty.
bool LoadSeasonIndex(const std::filesystem::path& path, std::vector<SeasonRecord>& out,
                     std::string* error = nullptr);
bool ParseSeasonIndex(std::string_view text, std::vector<SeasonRecord>& out,
                      std::string* error = nullptr);

}  // namespace velmoro
