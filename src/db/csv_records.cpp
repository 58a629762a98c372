#include "db/csv_records.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "base/text.h"
#include "db/csv.h"
#include "db/file_write.h"

namespace velmoro {

namespace {

// The record's key: its key fields joined by a byte no name holds.
std::string KeyOf(const std::vector<std::string_view>& fields, std::size_t keyColumns) {
    std::string key;
    for (std::size_t i = 0; i < keyColumns; ++i)
        (key += fields[i]) += '\0';
    return key;
}

// "column player: \"Abe\" of \"1927 Yankees\"": the last key field, then the others.
std::string ShownKey(const std::vector<std::string_view>& fields, const CsvRecordsFormat& format) {
    const std::size_t last = format.keyColumns - 1;
    std::string shown =
        "column " + std::string(format.columns[last]) + ": \"" + ShownValue(fields[last]) + "\"";
    for (std::size_t i = last; i-- > 0;)
        shown += " of \"" + ShownValue(fields[i]) + "\"";
    return shown;
}

std::string ReadRecords(CsvReader& reader, const CsvRecordsFormat& format,
                        const CsvRecordReader& read) {
    std::vector<std::string_view> fields;
    std::unordered_map<std::string, std::size_t> lineOf;
    const std::size_t columns = format.columns.size();
    std::size_t records = 0;
    for (fields.clear(); reader.Next(fields); fields.clear()) {
        const std::string at = "line " + std::to_string(reader.Line()) + ": ";
        if (reader.QuoteNeverClosed()) return at + "a quote is never closed";
        if (fields.size() == 1 && fields[0].empty()) continue;  // blank line
        if (fields.size() != columns)
            return at + std::to_string(fields.size()) + " fields instead of " +
                   std::to_string(columns);
        for (std::size_t i = 0; i < format.keyColumns; ++i)
            if (fields[i].empty()) return at + "no " + std::string(format.columns[i]) + " name";
        if (std::string problem = read(fields); !problem.empty()) return at + problem;
        if (auto [first, added] =
                lineOf.try_emplace(KeyOf(fields, format.keyColumns), reader.Line());
            !added)
            return at + ShownKey(fields, format) + " is on line " + std::to_string(first->second) +
                   " already";
        ++records;
    }
    if (records == 0) return "no " + std::string(format.record) + " after the header line";
    return {};
}

}  // namespace

std::string CsvHeaderText(std::span<const std::string_view> columns) {
    std::string header;
    for (std::string_view column : columns)
        (header += header.empty() ? "" : ",") += column;
    return header;
}

Status ReadCsvRecords(std::string_view text, const CsvRecordsFormat& format,
                      const CsvRecordReader& read) {
    if (WithoutByteOrderMark(text).empty())
        return Status::Error("empty, not " + std::string(format.what));
    if (Status lengths = CheckCsvLineLengths(text); !lengths) return lengths;
    std::string copy(text);
    CsvReader reader(copy);
    std::vector<std::string_view> header;
    reader.Next(header);
    if (reader.QuoteNeverClosed() ||
        !std::equal(header.begin(), header.end(), format.columns.begin(), format.columns.end()))
        return Status::Error("line 1: not " + std::string(format.what) +
                             " (the first line must be " + CsvHeaderText(format.columns) + ")");
    if (std::string problem = ReadRecords(reader, format, read); !problem.empty())
        return Status::Error(problem);
    return OkStatus();
}

Status LoadCsvRecords(const std::filesystem::path& path,
                      const std::function<Status(std::string_view)>& parse) {
    std::string text;
    if (Status read = ReadCsvFile(path, text); !read) return read;
    if (Status parsed = parse(text); !parsed)
        return Status::Error(ShownValue(path.string(), kShownPathBytes) + ": " + parsed.message());
    return OkStatus();
}

Status WriteCsvFile(const std::filesystem::path& path, std::string_view text) {
    std::string error;
    if (ReplaceFileContents(path, text, &error)) return OkStatus();
    return Status::Error(error);
}

bool WholeNumber(std::string_view text, int& value) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    return failure == std::errc() && end == text.data() + text.size();
}

std::string OutOfRange(std::string_view column, int value, int first, int last,
                       std::string_view bound) {
    return "column " + std::string(column) + ": " + std::to_string(value) + " is not in " +
           std::to_string(first) + ".." + std::to_string(last) + std::string(bound);
}

std::string NotAWholeNumber(std::string_view column, std::string_view field) {
    return "column " + std::string(column) + ": \"" + ShownValue(field, 40) +
           "\" is not a whole number";
}

}  // namespace velmoro
