#include "import/lahman_csv.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "base/text.h"
#include "db/error_out.h"

namespace velmoro {

bool CsvTable::Load(const std::filesystem::path& path, std::string* error) {
    std::string text;
    if (Status read = ReadCsvFile(path, text); !read) {
        SetError(error, read.message());
        return false;
    }
    std::string why;
    if (!Parse(std::move(text), &why)) {
        SetError(error, ShownValue(path.string(), kShownPathBytes) + ": " + why);
        return false;
    }
    return true;
}

bool CsvTable::Parse(std::string text, std::string* error) {
    text_ = std::move(text);
    fields_.clear();
    rowStarts_.clear();
    rowLines_.clear();
    columns_ = 0;
    auto fail = [&](std::string why) {
        fields_.clear();
        rowStarts_.clear();
        rowLines_.clear();
        SetError(error, std::move(why));
        return false;
    };
    if (Status lengths = CheckCsvLineLengths(text_); !lengths) return fail(lengths.message());
    CsvReader reader(text_);
    for (std::size_t first = 0; reader.Next(fields_); first = fields_.size()) {
        if (reader.QuoteNeverClosed())
            return fail("line " + std::to_string(reader.Line()) + ": a quote is never closed");
        const std::size_t count = fields_.size() - first;
        if (rowStarts_.empty()) {
            columns_ = count;
        } else if (count == 1 && fields_[first].empty()) {
            fields_.pop_back();  // blank line
            continue;
        }
        rowStarts_.push_back(first);
        rowLines_.push_back(reader.Line());
    }
    if (rowStarts_.empty()) return fail("no header line");
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
