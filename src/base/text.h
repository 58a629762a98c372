// Small text rules every layer shares.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmoro {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The text without the UTF-8 byte-order mark that Windows editors put at the start of
// a file; other text as it is.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

// How much of a value a message shows; a file's path is shown up to the longest path
// the system opens.
inline constexpr std::size_t kShownBytes = 80;
inline constexpr std::size_t kShownPathBytes = 4096;

// Text from files and command lines, fit to be shown in a message: its control bytes
// and the bytes that are not UTF-8 written as \xNN, so a message never garbles a
// terminal or a message box; cut after `limit` bytes of the value (never inside a
// character) with "..." added.
std::string ShownValue(std::string_view value, std::size_t limit = kShownBytes);

}  // namespace velmoro
