#include "import/lahman_csv.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "db/error_out.h"

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

bool CsvTable::Load(const std::filesystem::path& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SetError(error, "cannot read " + path.string());
        return false;
    }
    // Read piece by piece so that a damaged file with an endless line stops at that
    // line instead of filling the memory.
    std::string text;
    std::size_t lineStart = 0, line = 1;
    constexpr std::size_t kPiece = 1 << 20;
    for (;;) {
        const std::size_t had = text.size();
        text.resize(had + kPiece);
        in.read(text.data() + had, static_cast<std::streamsize>(kPiece));
        text.resize(had + static_cast<std::size_t>(in.gcount()));
        if (std::size_t bad = FindOverlongLine(text, lineStart, line, had)) {
            SetError(error, path.string() + ": " + OverlongLine(bad));
            return false;
        }
        if (!in) break;
    }
    if (in.bad()) {
        SetError(error, "cannot read " + path.string());
        return false;
    }
    std::string why;
    if (!Parse(std::move(text), &why)) {
        SetError(error, path.string() + ": " + why);
        return false;
    }
    return true;
}

bool CsvTable::Parse(std::string text, std::string* error) {
    text_ = std::move(text);
    unescaped_.clear();
    fields_.clear();
    rowStarts_.clear();
    rowLines_.clear();
    columns_ = 0;
    std::size_t lineStart = 0, overlong = 1;
    if (std::size_t bad = FindOverlongLine(text_, lineStart, overlong, 0)) {
        SetError(error, OverlongLine(bad));
        return false;
    }
    const char* p = text_.data();
    const char* end = p + text_.size();
    std::size_t line = 1;
    while (p < end) {
        const std::size_t first = fields_.size();
        const std::size_t rowLine = line;
        for (;;) {
            if (p < end && *p == '"') {
                const char* start = ++p;
                bool doubled = false;
                while (p < end && !(*p == '"' && (p + 1 == end || p[1] != '"'))) {
                    if (*p == '"') doubled = true, ++p;
                    if (*p == '\n') ++line;
                    ++p;
                }
                std::string_view field(start, static_cast<std::size_t>(p - start));
                if (p < end) ++p;  // closing quote
                if (doubled) {
                    std::string& copy = unescaped_.emplace_back();
                    for (std::size_t i = 0; i < field.size(); ++i) {
                        copy += field[i];
                        if (field[i] == '"') ++i;
                    }
                    field = copy;
                }
                fields_.push_back(field);
                while (p < end && *p != ',' && *p != '\n')
                    ++p;  // junk after the quote
            } else {
                const char* start = p;
                while (p < end && *p != ',' && *p != '\n')
                    ++p;
                const char* stop = p;
                if (stop > start && stop[-1] == '\r') --stop;
                fields_.emplace_back(start, static_cast<std::size_t>(stop - start));
            }
            if (p < end && *p == ',') {
                ++p;
                continue;
            }
            if (p < end) ++p, ++line;  // line feed
            break;
        }
        const std::size_t count = fields_.size() - first;
        if (rowStarts_.empty()) {
            columns_ = count;
        } else if (count == 1 && fields_[first].empty()) {
            fields_.pop_back();  // blank line
            continue;
        }
        rowStarts_.push_back(first);
        rowLines_.push_back(rowLine);
    }
    if (rowStarts_.empty()) {
        SetError(error, "no header line");
        return false;
    }
    rowStarts_.push_back(fields_.size());
    return true;
}

int CsvTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < columns_; ++i)
        if (fields_[i] == name) return static_cast<int>(i);
    return -1;
}

std::string_view CsvTable::Field(std::size_t row, int column) const {
    if (column < 0 || row >= Rows()) return {};
    const std::size_t at = rowStarts_[row + 1] + static_cast<std::size_t>(column);
    return at < rowStarts_[row + 2] ? fields_[at] : std::string_view();
}

long CsvTable::Int(std::size_t row, int column) const {
    std::string_view f = Field(row, column);
    long value = 0;
    std::from_chars(f.data(), f.data() + f.size(), value);
    return value;
}

bool CsvTable::Count(std::size_t row, int column, long& value) const {
    std::string_view f = Field(row, column);
    value = 0;
    if (f.empty()) return true;
    if (f.front() < '0' || f.front() > '9') return false;
    auto [stop, failure] = std::from_chars(f.data(), f.data() + f.size(), value);
    return failure == std::errc() && stop == f.data() + f.size();
}

double CsvTable::Number(std::size_t row, int column) const {
    std::string_view f = Field(row, column);
    if (f.empty()) return NAN;
    std::string copy(f);
    char* stop = nullptr;
    double value = std::strtod(copy.c_str(), &stop);
    return stop == copy.c_str() + copy.size() ? value : NAN;
}

}  // namespace velmoro
