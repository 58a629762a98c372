#include "import/lahman_csv.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "db/error_out.h"
#include "db/team_files.h"

namespace velmoro {

bool CsvTable::Load(const std::filesystem::path& path, std::string* error) {
    std::string text;
    if (!ReadFileBytes(path, text)) {
        SetError(error, "cannot read " + path.string());
        return false;
    }
    if (!Parse(std::move(text))) {
        SetError(error, path.string() + " has no header line");
        return false;
    }
    return true;
}

bool CsvTable::Parse(std::string text) {
    text_ = std::move(text);
    unescaped_.clear();
    fields_.clear();
    columns_ = 0;
    const char* p = text_.data();
    const char* end = p + text_.size();
    std::vector<std::string_view> row;
    while (p < end) {
        row.clear();
        for (;;) {
            if (p < end && *p == '"') {
                const char* start = ++p;
                bool doubled = false;
                while (p < end && !(*p == '"' && (p + 1 == end || p[1] != '"'))) {
                    if (*p == '"') doubled = true, ++p;
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
                row.push_back(field);
                while (p < end && *p != ',' && *p != '\n')
                    ++p;  // junk after the quote
            } else {
                const char* start = p;
                while (p < end && *p != ',' && *p != '\n')
                    ++p;
                const char* stop = p;
                if (stop > start && stop[-1] == '\r') --stop;
                row.emplace_back(start, static_cast<std::size_t>(stop - start));
            }
            if (p < end && *p == ',') {
                ++p;
                continue;
            }
            if (p < end) ++p;  // line feed
            break;
        }
        if (columns_ == 0) {
            columns_ = row.size();
        } else if (row.size() == 1 && row[0].empty()) {
            continue;  // blank line
        }
        row.resize(columns_);
        fields_.insert(fields_.end(), row.begin(), row.end());
    }
    return columns_ > 0;
}

int CsvTable::Column(std::string_view name) const {
    for (std::size_t i = 0; i < columns_; ++i)
        if (fields_[i] == name) return static_cast<int>(i);
    return -1;
}

std::string_view CsvTable::Field(std::size_t row, int column) const {
    if (column < 0 || row >= Rows()) return {};
    return fields_[(row + 1) * columns_ + static_cast<std::size_t>(column)];
}

long CsvTable::Int(std::size_t row, int column) const {
    std::string_view f = Field(row, column);
    long value = 0;
    std::from_chars(f.data(), f.data() + f.size(), value);
    return value;
}

double CsvTable::Number(std::size_t row, int column) const {
    std::string_view f = Field(row, column);
    if (f.empty()) return NAN;
    std::string copy(f);
    char* stop = nullptr;
    double value = std::strtod(copy.c_str(), &stop);
    return stop == copy.c_str() ? NAN : value;
}

}  // namespace velmoro
