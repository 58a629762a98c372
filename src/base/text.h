// Small text rules every layer shares.
#pragma once

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

}  // namespace velmoro
