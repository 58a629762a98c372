#include "base/text.h"

#include <algorithm>

namespace velmoro {

namespace {

// Length of the well-formed UTF-8 character at the start of `text` (1 for a plain
// printable byte), or 0 when the byte must be escaped.
std::size_t CharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return lead >= 0x20 && lead != 0x7f ? 1 : 0;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;  // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xbf)) return 0;
    }
    return length;
}

}  // namespace

std::string ShownValue(std::string_view value, std::size_t limit) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    std::size_t pos = 0;
    while (pos < value.size()) {
        const std::size_t length = CharacterLength(value.substr(pos));
        if (pos + std::max<std::size_t>(length, 1) > limit) break;
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(value[pos]);
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
            ++pos;
        } else {
            out.append(value.substr(pos, length));
            pos += length;
        }
    }
    if (pos < value.size()) out += "...";
    return out;
}

}  // namespace velmoro
