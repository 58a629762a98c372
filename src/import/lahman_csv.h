// A small, fast reader for the comma-separated Lahman tables.
#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmoro {

// A whole table in memory: the header names its columns, every row has as many
// fields as the header (missing ones read empty). Quoted fields may hold commas,
// line breaks and doubled quotes.
class CsvTable {
  public:
    CsvTable() = default;
    // Fields point into the table's own text.
    CsvTable(const CsvTable&) = delete;
    CsvTable& operator=(const CsvTable&) = delete;

    bool Load(const std::filesystem::path& path, std::string* error = nullptr);
    bool Parse(std::string text);

    // Index of a header column, -1 when the table has none of that name.
    int Column(std::string_view name) const;
    std::size_t Rows() const { return columns_ ? fields_.size() / columns_ - 1 : 0; }

    std::string_view Field(std::size_t row, int column) const;
    // Whole number of a field; empty or unreadable fields and absent columns read 0.
    long Int(std::size_t row, int column) const;
    // Decimal number of a field; NaN when empty, unreadable or absent.
    double Number(std::size_t row, int column) const;

  private:
    std::string text_;
    std::deque<std::string> unescaped_;     // fields that held doubled quotes
    std::vector<std::string_view> fields_;  // header first, then row after row
    std::size_t columns_ = 0;
};

}  // namespace velmoro
