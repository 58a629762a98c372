// The files the programs keep beside a database (the season index, the players' and the
// clubs' side files) are CSV tables of one record a line under a header of fixed column
// names. This is how every one of them is read and checked, so they all refuse a bad
// line the same way: the file, the line, the column and what is wrong.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"

namespace velmoro {

// A count the source did not record: an empty field of a column that may be empty.
inline constexpr int kNotRecorded = -1;

struct CsvRecordsFormat {
    std::span<const std::string_view> columns;  // the header, in order
    // The first `keyColumns` columns name the record: never empty, never twice in a file.
    std::size_t keyColumns = 1;
    std::string_view what;    // "a season index"
    std::string_view record;  // "team-season"
};

// The header line's text: the column names joined by commas.
std::string CsvHeaderText(std::span<const std::string_view> columns);

// Reads the records of `text` after its header, handing each one's fields (as many as
// the columns) to `read`, which returns what is wrong with them ("column x: ...") or
// nothing. Blank lines are skipped. Refused with "line N: ..." at the first bad record
// (a quote never closed, a wrong field count, an empty or repeated key, whatever `read`
// says), and for an empty text, a header of other columns or no record at all.
using CsvRecordReader = std::function<std::string(const std::vector<std::string_view>&)>;
Status ReadCsvRecords(std::string_view text, const CsvRecordsFormat& format,
                      const CsvRecordReader& read);

// Reads the file at `path` and hands its text to `parse`; refused with the file named.
Status LoadCsvRecords(const std::filesystem::path& path,
                      const std::function<Status(std::string_view)>& parse);

// Writes a whole file at once (see WriteFileContents); refused with the file and reason.
Status WriteCsvFile(const std::filesystem::path& path, std::string_view text);

// The fields' rules, one message each.
// A field of digits only that fits an int: what every number of these files is.
bool WholeNumber(std::string_view text, int& value);
// "column wins: 170 is not in 0..155 (the games)".
std::string OutOfRange(std::string_view column, int value, int first, int last,
                       std::string_view bound = {});
// "column games: \"5x40\" is not a whole number".
std::string NotAWholeNumber(std::string_view column, std::string_view field);

}  // namespace velmoro
