// What the program runner needs from the system: one file per system implements it
// (program_runner_posix.cpp, program_runner_windows.cpp).
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace velmoro::testing {

// Starts `program` in `workDir` with its output streams in the two files, waits for it
// and returns its exit code (-1 when it could not start or was killed).
int SpawnAndWait(const std::filesystem::path& program, const std::vector<std::string>& args,
                 const std::filesystem::path& workDir,
                 const std::vector<std::pair<std::string, std::string>>& environment,
                 const std::filesystem::path& outPath, const std::filesystem::path& errPath);

}  // namespace velmoro::testing
