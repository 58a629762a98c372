// Writing the custom team list back to CustomDB.
#pragma once

#include <filesystem>

namespace velmoro {

struct TeamDatabase;
class Prompter;

// Checks every custom team (one message per incomplete team) and rewrites CustomDB
// in `directory`. Returns false, after telling the user, when the file cannot be written.
bool SaveCustomTeams(const TeamDatabase& db, const std::filesystem::path& directory,
                     Prompter& prompter);

}  // namespace velmoro
