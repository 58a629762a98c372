// The season import: one text file per club turned into LegendDB teams.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/records.h"

namespace velmoro {

// The club files of a season, in the order they are read.
inline constexpr std::array<const char*, 30> kSeasonClubFiles = {
    "angels",    "astros",   "athletics",  "blue_jays",    "braves",    "brewers",
    "cardinals", "cubs",     "devil_rays", "diamondbacks", "dodgers",   "nationals",
    "giants",    "indians",  "mariners",   "marlins",      "mets",      "orioles",
    "padres",    "phillies", "pirates",    "rangers",      "reds",      "red_sox",
    "rockies",   "royals",   "tigers",     "twins",        "white_sox", "yankees",
};

// Longest names the club file format carries.
inline constexpr std::size_t kClubFileTeamNameMax = 198;
inline constexpr std::size_t kClubFilePlayerNameMax = 254;

// Position bits of a positions line ("SS 2B", "C", "LF CF RF", "DH" ...).
std::uint8_t ParsePositionsLine(std::string_view line);

// Fills the batting fields from ".312 150 560 90 ..." (AVG G AB R H 2B 3B HR RBI BB SO
// SB CS); "NO_HIT_STATS" or values that are missing leave zeros.
void ParseBattingLine(std::string_view line, PlayerRecord& player);

// The pitching line of "3.45 15 9 0 33 1 201.1 77 60 180 .245" (ERA W L S G SHO IP ER
// BB SO BAVG); none for "NO_PITCH_STATS".
std::unique_ptr<PitchingLine> ParsePitchingLine(std::string_view line);

// The lines of a club file, line ends (LF or CR LF) removed.
std::vector<std::string> SplitLines(std::string_view text);

// A club file's team with its players. False when the file cannot be read, has no
// team name line or no players, or holds a name line longer than a name (a file whose
// lines do not end with line feeds reads as one line). `warnings`, when given, gets one
// line naming the file for a file refused, and one naming the player for each pitching
// line that is dropped because the player's positions lack P (the database file keeps
// pitching lines of pitchers only).
bool ReadClubFile(const std::filesystem::path& path, TeamRecord& team,
                  std::vector<std::string>* warnings = nullptr);

struct SeasonImportResult {
    int newTeams = 0;  // counts only teams read from a club file with players
    int replacedTeams = 0;
    std::vector<std::string> skippedFiles;
    std::vector<std::string> warnings;  // as ReadClubFile gives them, in file order
};

// Reads the thirty club files from `sourceDir` into `db.legendTeams`: a team already
// in the list keeps its place and gets the new players; a new team goes right after
// the same club's previous season, or at the end when there is none.
SeasonImportResult ImportSeasonTeams(TeamDatabase& db, const std::filesystem::path& sourceDir);

// "2005 Yankees" for "2006 Yankees"; empty when the name does not start with a year.
std::string PreviousSeasonName(std::string_view teamName);

}  // namespace velmoro
