// The binary team database files LegendDB and CustomDB.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "db/records.h"

namespace velmoro {

inline constexpr const char* kLegendFileName = "LegendDB";
inline constexpr const char* kCustomFileName = "CustomDB";

// A name's length and a team's player count are one byte each in the file.
inline constexpr std::size_t kMaxNameBytes = 255;
inline constexpr std::size_t kMaxTeamPlayers = 255;

// Parses a whole database image. On success `out` holds its teams; on failure `out`
// is left empty and `error` (when given) says where the data ends or goes wrong.
bool ParseTeamList(std::string_view bytes, TeamList& out, std::string* error = nullptr);

// Reads a database file into an empty list; false when it cannot be read or is not a
// whole database (the list then stays empty).
bool ReadTeamFile(const std::filesystem::path& path, TeamList& out, std::string* error = nullptr);

// Fill `legendTeams` / `customTeams` from the file in `directory`. A list that already
// holds a team is not read again: the call succeeds at once.
bool LoadLegendDatabase(TeamDatabase& db, const std::filesystem::path& directory);
bool LoadCustomDatabase(TeamDatabase& db, const std::filesystem::path& directory);

// A player written with the filter on: (games >= 10 and atBats > 0) or
// (Pitcher with a pitching line of more than 10 games).
bool IsQualifyingPlayer(const PlayerRecord& player);

// The database image of a list. False (and `error` set) when a name is longer than
// 255 bytes or a team would hold more than 255 players.
bool SerializeTeamList(const TeamList& list, bool filter, std::string& out,
                       std::string* error = nullptr);

// Writes the list through a temporary file beside the target that is renamed over it,
// so a failed write leaves the old file as it was. False when nothing was written.
bool WriteTeamList(const TeamList& list, const std::filesystem::path& path, bool filter,
                   std::string* error = nullptr);

// Writes bytes to a temporary file beside `path` and renames it over `path`.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// A name fit for a message: control bytes, which would garble a terminal, become '?'.
std::string PrintableName(std::string_view name);

// The whole contents of a file; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& out);

}  // namespace velmoro
