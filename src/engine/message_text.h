// Text from files and command lines, fit to be shown in a message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmoro {

// How much of a value a message shows; a file's path is shown up to the longest path
// the system opens.
inline constexpr std::size_t kShownBytes = 80;
inline constexpr std::size_t kShownPathBytes = 4096;

// The value with its control bytes and the bytes that are not UTF-8 written as \xNN, so
// a message never garbles a terminal or a message box; cut after `limit` bytes of the
// value (never inside a character) with "..." added.
std::string ShownValue(std::string_view value, std::size_t limit = kShownBytes);

}  // namespace velmoro
