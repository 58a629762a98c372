// CSV as RFC 4180 writes it: fields separated by commas, a field holding a comma, a
// quote or a line break enclosed in quotes with its quotes doubled. Lines end in LF,
// as every file the programs have written; readers take CR LF as well. Every CSV file
// the programs write goes through here, and every one they read is split here.
#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace velmoro {

// The field as it is written: quoted only when it must be.
std::string CsvField(std::string_view text);

// Appends one record of `fields` and its line end to `out`.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);
void AppendCsvRecord(std::string& out, std::span<const std::string> fields);

// No line of a real table comes near this; a longer one means a damaged file.
inline constexpr std::size_t kMaxCsvLineBytes = 1 << 20;

// Reads a whole CSV file into `text`. Refused, with the file named, when it cannot be
// read or holds a line longer than kMaxCsvLineBytes: the file is read piece by piece
// and not past that line, so an endless line never fills the memory.
Status ReadCsvFile(const std::filesystem::path& path, std::string& text);

// "line N is longer than 1 MB" for the first such line of `text`; ok when there is none.
Status CheckCsvLineLengths(std::string_view text);

// Splits CSV text into records. A quoted field may hold commas, line breaks and doubled
// quotes; text after its closing quote is kept as part of the field, and a quote
// inside an unquoted field is an ordinary character. The quotes are taken out in the
// text itself, so every field is a view into `text`.
class CsvReader {
  public:
    // `text` must outlive the reader and the fields it gives; a leading byte-order
    // mark is skipped.
    explicit CsvReader(std::string& text);

    // Appends the next record's fields to `fields`; false after the last record. A
    // blank line is a record of one empty field.
    bool Next(std::vector<std::string_view>& fields);
    // The line the record last given starts on, the first line being 1.
    std::size_t Line() const { return recordLine_; }
    // True when the last record ends inside a quoted field: a quote never closed,
    // which made the rest of the text its last field.
    bool QuoteNeverClosed() const { return unclosed_; }

  private:
    std::string_view Field();

    char* at_;
    char* end_;
    std::size_t line_ = 1;
    std::size_t recordLine_ = 0;
    bool unclosed_ = false;
};

}  // namespace velmoro
