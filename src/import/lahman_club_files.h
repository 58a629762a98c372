// A season's teams written as club files, the input of the season import.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "db/records.h"

namespace velmoro {

// "red_sox" for "2006 Red Sox": the club name in lower case, blanks as underscores.
std::string ClubFileName(std::string_view teamName);

// The five lines of each player after the team name line, in the club file format.
std::string ClubFileText(const TeamRecord& team);

// One file per team of the list in `dir` (created when missing). False, with `error`
// set, when a file cannot be written.
bool WriteClubFiles(const TeamList& teams, const std::filesystem::path& dir,
                    std::string* error = nullptr);

}  // namespace velmoro
