// Where the program's data files (LegendDB, CustomDB, velmoro.txt) live.
#pragma once

#include <filesystem>
#include <string>

#include "base/status.h"

namespace velmoro {

// Looked up afresh on every call. On Windows the registry value
// HKLM\Software\Corvane\Velmoro Baseball\Directory ("." when the value is missing).
// Elsewhere: $VELMORO_DIR when set and not empty, otherwise the data folder installed
// with the program (<program folder>/../share/velmoro), otherwise ".". Never empty, so
// a file name joined to it never lands in the root of the file system.
std::filesystem::path InstallDirectory();

// The folder of the running program, empty when it cannot be found.
std::filesystem::path ProgramDirectory();

// An installed program's folder is not the user's to write (a package puts it under
// /usr). Where the installation the program found by itself (not one named by
// $VELMORO_DIR or --dir) is there but cannot be written, the files the program rewrites
// (CustomDB, and LegendDB from the database change window) go to the user's data folder
// instead, and are read from there first when a copy is there. Any other folder is used
// as it is, and never looks at the user's folder.

// The user's data folder, the same for every program: $XDG_DATA_HOME/velmoro (an absolute
// XDG_DATA_HOME only), else ~/.local/share/velmoro; %APPDATA%\velmoro on Windows;
// ~/Library/Application Support/velmoro on macOS. Empty when there is none.
std::filesystem::path UserDataDirectory();

// The desktop program kept the user's files in "Velmoro Baseball" beside that folder.
// When that folder is there and the user's data folder is not, it is renamed to it. A
// failed rename leaves the old folder as it was and says why.
Status MoveOldUserDataDirectory();

// Whether a file can be created in `directory` (tried, as permission bits do not tell
// for every user and file system).
bool IsWritableDirectory(const std::filesystem::path& directory);

// The data file `name` to read: the user's copy when `installDirectory` is the found
// installation, there but not writable, and the copy exists; else the installation's.
std::filesystem::path DataFileToRead(const std::filesystem::path& installDirectory,
                                     const std::string& name);
// The data file `name` to write: in the user's data folder (made when missing) when
// `installDirectory` is the found installation, there but not writable; else in it.
std::filesystem::path DataFileToWrite(const std::filesystem::path& installDirectory,
                                      const std::string& name);

}  // namespace velmoro
