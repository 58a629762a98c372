// A small, fast reader for the comma-separated Lahman tables.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "db/csv.h"

namespace velmoro {

// A whole table in memory: the header names its columns; a row may have fewer fields
// than the header (missing ones read empty) or more (the extra ones are never read).
// Quoted fields may hold commas, line breaks and doubled quotes.
class CsvTable {
  public:
    CsvTable() = default;
    // Fields point into the table's own text.
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    // False, with `error` naming the file, when it cannot be read, has no header, a
    // quote that is never closed or a line longer than kMaxCsvLineBytes (the file is
    // not read past that line). A leading byte-order mark is skipped.
    bool Load(const std::filesystem::path& path, std::string* error = nullptr);
    // False, with `error` naming the line, for text without a header, with a quote
    // never closed or with an overlong line.
    bool Parse(std::string text, std::string* error = nullptr);

    // Index of a header column, -1 when the table has none of that name.
    int Column(std::string_view name) const;
    std::size_t Rows() const { return rowStarts_.size() < 2 ? 0 : rowStarts_.size() - 2; }
    // Line of the file where a row starts, counting the header as line 1.
    std::size_t Line(std::size_t row) const { return row < Rows() ? rowLines_[row + 1] : 0; }

    std::string_view Field(std::size_t row, int column) const;
    // Whole number of a field; empty or unreadable fields and absent columns read 0.
    long Int(std::size_t row, int column) const;
    // A count: false when the field holds anything but digits (a sign, a fraction,
    // trailing junk such as "5x40") or a number past what a long holds. Empty reads 0.
    bool Count(std::size_t row, int column, long& value) const;
    // Decimal number of a field; NaN when empty, absent or not a number from end to end.
    double Number(std::size_t row, int column) const;

  private:
    std::string text_;                      // the file, its quotes taken out
    std::vector<std::string_view> fields_;  // header first, then row after row
    std::vector<std::size_t> rowStarts_;    // first field of each row, and one past the last
    std::vector<std::size_t> rowLines_;
    std::size_t columns_ = 0;
};

}  // namespace velmoro
