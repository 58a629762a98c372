// Replacing a file's contents without ever leaving half a file behind. Every file the
// programs write (team databases, saved games, club files, the box score) goes through
// here, so they all fail the same way: with the file named and the system's reason.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmoro {

// Temporary files are named ".TARGET<marker>RANDOM" in the target's folder; the first
// write of a run to a folder removes the ones that no live writer holds.
inline constexpr std::string_view kTemporaryMarker = ".velmoro-tmp-";

// How a regular file is replaced.
enum class Replace {
    // Renamed over the old file. ext4 then starts writing the new file out at once, so
    // that a power cut leaves the old contents or the new, never an empty file.
    Durable,
    // Exchanged with the old file and the old one removed, which ext4 does not flush:
    // for a file rewritten after every one of thousands of games, where waiting on the
    // disk each time would cost more than the games. A crash still leaves one whole
    // file or the other at the path.
    Quick,
};

// Makes `bytes` the contents of the file at `path`.
// - A regular file (or none yet) is replaced through a temporary file beside it that
//   is renamed over it: a failed write leaves the old file whole and no temporary file.
// - A symbolic link is followed: its target is replaced the same way, beside the target.
// - A device, a pipe or another file that is not regular is written in place.
// On failure `reason` gets the system's reason ("No space left on device").
bool WriteFileContents(const std::filesystem::path& path, std::string_view bytes,
                       std::string& reason, Replace how = Replace::Durable);

// WriteFileContents with the whole message on failure: "cannot write PATH: REASON".
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error = nullptr);

// "cannot write PATH: REASON" and "cannot read PATH: REASON", the path shown with
// control bytes escaped: every message of a file that cannot be written or read names
// the file and the system's reason once.
std::string CannotWriteMessage(const std::filesystem::path& path, const std::string& reason);
std::string CannotReadMessage(const std::filesystem::path& path, const std::string& reason);

// The path a write to `path` lands on: symbolic links followed to the end (a dangling
// link gives its target). False, with the reason, for a loop of links.
bool ResolveWriteTarget(const std::filesystem::path& path, std::filesystem::path& target,
                        std::string& reason);

// The system's text for an error number.
std::string SystemReason(int code);

}  // namespace velmoro
