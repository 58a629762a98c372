#include "db/csv.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "base/text.h"
#include "db/file_write.h"

namespace velmoro {

namespace {

std::string OverlongLine(std::size_t line) {
    return "line " + std::to_string(line) + " is longer than 1 MB";
}

// Line number of the first line of `text` longer than kMaxCsvLineBytes, 0 when none.
// `from` is where to start looking; `lineStart` / `line` carry the count across calls.
std::size_t FindOverlongLine(std::string_view text, std::size_t& lineStart, std::size_t& line,
                             std::size_t from) {
    for (std::size_t at = from; at < text.size();) {
        const void* found = std::memchr(text.data() + at, '\n', text.size() - at);
        std::size_t end =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
                  : text.size();
        if (end - lineStart > kMaxCsvLineBytes) return line;
        if (!found) break;
        lineStart = end + 1;
        ++line;
        at = end + 1;
    }
    return 0;
}

}  // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) out += ',';
        out += CsvField(field);
        first = false;
    }
    out += '\n';
}

void AppendCsvRecord(std::string& out, std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        (out += i ? "," : "") += CsvField(fields[i]);
    out += '\n';
}

Status CheckCsvLineLengths(std::string_view text) {
    std::size_t lineStart = 0, line = 1;
    if (std::size_t bad = FindOverlongLine(text, lineStart, line, 0))
        return Status::Error(OverlongLine(bad));
    return OkStatus();
}

Status ReadCsvFile(const std::filesystem::path& path, std::string& text) {
    const std::string shown = ShownValue(path.string(), kShownPathBytes);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return Status::Error(CannotReadMessage(path, SystemReason(EISDIR)));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::Error(CannotReadMessage(path, SystemReason(errno ? errno : EIO)));
    text.clear();
    std::size_t lineStart = 0, line = 1;
    constexpr std::size_t kPiece = 1 << 20;
    for (;;) {
        const std::size_t had = text.size();
        text.resize(had + kPiece);
        in.read(text.data() + had, static_cast<std::streamsize>(kPiece));
        text.resize(had + static_cast<std::size_t>(in.gcount()));
        if (std::size_t bad = FindOverlongLine(text, lineStart, line, had))
            return Status::Error(shown + ": " + OverlongLine(bad));
        if (!in) break;
    }
    if (in.bad()) return Status::Error(CannotReadMessage(path, SystemReason(errno ? errno : EIO)));
    return OkStatus();
}

CsvReader::CsvReader(std::string& text) : at_(text.data()), end_(text.data() + text.size()) {
    at_ += text.size() - WithoutByteOrderMark(text).size();
}

std::string_view CsvReader::Field() {
    char* const start = at_;
    char* out = at_;
    bool quoted = at_ < end_ && *at_ == '"';
    if (quoted) ++at_;
    while (at_ < end_) {
        const char c = *at_;
        if (quoted && c == '"') {
            quoted = at_ + 1 < end_ && at_[1] == '"';  // a doubled quote stays inside
            if (quoted) *out++ = '"';
            at_ += quoted ? 2 : 1;
            continue;
        }
        if (!quoted && (c == ',' || c == '\n')) break;
        if (!quoted && c == '\r' && (at_ + 1 == end_ || at_[1] == '\n')) {
            ++at_;  // the CR of a CR LF line end
            continue;
        }
        if (c == '\n') ++line_;
        *out++ = c;
        ++at_;
    }
    unclosed_ = quoted;
    return {start, static_cast<std::size_t>(out - start)};
}

bool CsvReader::Next(std::vector<std::string_view>& fields) {
    if (at_ >= end_ || unclosed_) return false;
    recordLine_ = line_;
    for (;;) {
        fields.push_back(Field());
        if (at_ < end_ && *at_ == ',') {
            ++at_;
            continue;
        }
        if (at_ < end_) {  // the line feed
            ++at_;
            ++line_;
        }
        return true;
    }
}

}  // namespace velmoro
