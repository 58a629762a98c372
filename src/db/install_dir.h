// Where the program's data files (LegendDB, CustomDB, velmoro.txt) live.
#pragma once

#include <filesystem>

namespace velmoro {

// Looked up afresh on every call. On Windows the registry value
// HKLM\Software\Corvane\Velmoro Baseball\Directory ("." when the value is missing).
// Elsewhere: $VELMORO_DIR when set and not empty, otherwise the data folder installed
// with the program (<program folder>/../share/velmoro), otherwise ".". Never empty, so
// a file name joined to it never lands in the root of the file system.
std::filesystem::path InstallDirectory();

// The folder of the running program, empty when it cannot be found.
std::filesystem::path ProgramDirectory();

}  // namespace velmoro
