#include "ui/text_view_files.h"

#include <fstream>
#include <string>

namespace velmoro {
namespace {

// Length of `bytes` without a UTF-8 sequence the cut left unfinished at its end.
std::size_t WholeCharactersLength(const std::string& bytes) {
    std::size_t start = bytes.size();
    int continuation = 0;
    while (start > 0 && continuation < 3 &&
           (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) {
        --start;
        ++continuation;
    }
    if (start == 0) return bytes.size();
    const auto lead = static_cast<unsigned char>(bytes[start - 1]);
    int needed = 0;
    if ((lead & 0xE0) == 0xC0)
        needed = 1;
    else if ((lead & 0xF0) == 0xE0)
        needed = 2;
    else if ((lead & 0xF8) == 0xF0)
        needed = 3;
    else
        return bytes.size();
    return continuation < needed ? start - 1 : bytes.size();
}

}  // namespace

std::optional<QString> ReadTextPrefix(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes(limit, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    bytes.resize(WholeCharactersLength(bytes));
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.replace("\r\n", "\n");
    return text;
}

}  // namespace velmoro
