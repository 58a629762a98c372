// The binary team database files LegendDB and CustomDB.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"
#include "db/file_write.h"
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
// whole database (the list then stays empty, and `error` says why and where reading
// stopped, without naming the file).
bool ReadTeamFile(const std::filesystem::path& path, TeamList& out, std::string* error = nullptr);

// Fill `legendTeams` / `customTeams` from the file in `directory`. A list that already
// holds a team is not read again: the call succeeds at once. On failure `error` gets
// "PATH: REASON"; for CustomDB it stays empty when there is no file, which is no fault.
bool LoadLegendDatabase(TeamDatabase& db, const std::filesystem::path& directory,
                        std::string* error = nullptr);
bool LoadCustomDatabase(TeamDatabase& db, const std::filesystem::path& directory,
                        std::string* error = nullptr);

// The databases a game is chosen from, in the order every game loads them: CustomDB
// first, then LegendDB. Only LegendDB failing stops a game (the result is false and
// `legendError` says why); a damaged CustomDB only leaves its teams out, and
// `customError` then says why (it stays empty when there is no CustomDB).
bool LoadGameDatabases(TeamDatabase& db, const std::filesystem::path& directory,
                       std::string* customError = nullptr, std::string* legendError = nullptr);

// A player written with the filter on: (games >= 10 and atBats > 0) or
// (Pitcher with a pitching line of more than 10 games).
bool IsQualifyingPlayer(const PlayerRecord& player);

// The players of the list that a write with the filter on leaves out.
std::size_t UnqualifiedPlayerCount(const TeamList& list);

// The database image of a list. False (and `error` set) when a name is longer than
// 255 bytes or a team would hold more than 255 players.
bool SerializeTeamList(const TeamList& list, bool filter, std::string& out,
                       std::string* error = nullptr);

// Writes the list with ReplaceFileContents, so a failed write leaves the old file as
// it was. False when nothing was written; `error` says why.
bool WriteTeamList(const TeamList& list, const std::filesystem::path& path, bool filter,
                   std::string* error = nullptr);

// WriteTeamList for the programs' own databases, which may have failed to load: a file
// at `path` that does not read whole is first kept as "NAME.damaged" beside it (or
// NAME.damaged.1, .2, ... when that exists: an older copy is never replaced) and `kept`
// names the copy. When no copy can be made, nothing is written.
bool SaveTeamDatabase(const TeamList& list, const std::filesystem::path& path, bool filter,
                      std::filesystem::path* kept, std::string* error);

// "NAME could not be read whole; it is kept as COPY." for a save that kept a copy.
std::string KeptDamagedMessage(const std::filesystem::path& file,
                               const std::filesystem::path& kept);

// The whole contents of a file. Refused with the system's reason alone ("Is a
// directory"): the caller names the file, with CannotReadMessage where it says no more.
Status ReadFileBytes(const std::filesystem::path& path, std::string& out);

}  // namespace velmoro
