// Reading the text files the program shows in its windows (readme, box score).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

#include <QString>

namespace velmoro {

// The first `limit` bytes of a text file, with CR LF and lone LF line ends alike
// shown as one line end. A multi-byte character cut by the limit is dropped rather
// than shown as a broken one. None when the file cannot be opened.
std::optional<QString> ReadTextPrefix(const std::filesystem::path& path, std::size_t limit);

}  // namespace velmoro
