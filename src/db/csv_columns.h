// A side file's columns as a table: each column's name, the field of the record it
// holds and the values it may take. The table writes the header, writes a record and
// reads one back, so a column is described in one place for both directions.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/csv.h"
#include "db/csv_records.h"

namespace velmoro {

template <class Record>
struct CsvColumn {
    std::string_view name;
    std::string Record::*text = nullptr;  // a name or a code, kept as it is
    int Record::*number = nullptr;        // a whole number in min..max
    char Record::*letter = nullptr;       // one of `letters`, or ' ' for an empty field
    int max = 0;
    int min = 0;
    bool mayBeEmpty = false;  // an empty number reads kNotRecorded and is written empty
    std::string_view letters;

    static constexpr CsvColumn Text(std::string_view name, std::string Record::*text) {
        CsvColumn c;
        c.name = name;
        c.text = text;
        return c;
    }
    static constexpr CsvColumn Number(std::string_view name, int Record::*number, int min, int max,
                                      bool mayBeEmpty = false) {
        CsvColumn c;
        c.name = name;
        c.number = number;
        c.min = min;
        c.max = max;
        c.mayBeEmpty = mayBeEmpty;
        return c;
    }
    static constexpr CsvColumn Letter(std::string_view name, char Record::*letter,
                                      std::string_view letters) {
        CsvColumn c;
        c.name = name;
        c.letter = letter;
        c.letters = letters;
        return c;
    }
};

// What is wrong with a number or a letter field; empty when it is good.
std::string ReadNumberField(std::string_view field, std::string_view column, int min, int max,
                            bool mayBeEmpty, int& value);
std::string ReadLetterField(std::string_view field, std::string_view column,
                            std::string_view letters, char& value);

template <class Record>
std::vector<std::string_view> CsvColumnNames(std::span<const CsvColumn<Record>> columns) {
    std::vector<std::string_view> names;
    for (const CsvColumn<Record>& c : columns)
        names.push_back(c.name);
    return names;
}

// Appends the record's fields, in the columns' order, as one CSV line.
template <class Record>
void AppendCsvColumns(std::string& out, std::span<const CsvColumn<Record>> columns,
                      const Record& r) {
    std::vector<std::string> fields;
    for (const CsvColumn<Record>& c : columns) {
        if (c.text)
            fields.push_back(r.*c.text);
        else if (c.number)
            fields.push_back(r.*c.number == kNotRecorded ? "" : std::to_string(r.*c.number));
        else
            fields.push_back(r.*c.letter == ' ' ? "" : std::string(1, r.*c.letter));
    }
    AppendCsvRecord(out, fields);
}

// Fills the record from the fields of one line (as many as the columns); what is wrong
// with the first bad field ("column games: 201 is not in 0..200"), or nothing.
template <class Record>
std::string ReadCsvColumns(std::span<const CsvColumn<Record>> columns,
                           const std::vector<std::string_view>& fields, Record& r) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const CsvColumn<Record>& c = columns[i];
        std::string problem;
        if (c.text)
            r.*c.text = std::string(fields[i]);
        else if (c.number)
            problem = ReadNumberField(fields[i], c.name, c.min, c.max, c.mayBeEmpty, r.*c.number);
        else
            problem = ReadLetterField(fields[i], c.name, c.letters, r.*c.letter);
        if (!problem.empty()) return problem;
    }
    return {};
}

// A whole file of records: the header, then a line each.
template <class Record>
std::string CsvColumnsText(std::span<const CsvColumn<Record>> columns,
                           const std::vector<Record>& records) {
    std::string out = CsvHeaderText(CsvColumnNames(columns)) + '\n';
    for (const Record& r : records)
        AppendCsvColumns(out, columns, r);
    return out;
}

// Reads a whole file of records into `out`; nothing in `out` when it is refused.
// `format` names the file's kind and its key; its columns are the table's.
template <class Record>
Status ParseCsvColumns(std::string_view text, std::span<const CsvColumn<Record>> columns,
                       CsvRecordsFormat format, std::vector<Record>& out) {
    out.clear();
    const std::vector<std::string_view> names = CsvColumnNames(columns);
    format.columns = names;
    Status status = ReadCsvRecords(text, format, [&](const std::vector<std::string_view>& f) {
        Record r;
        std::string problem = ReadCsvColumns(columns, f, r);
        if (problem.empty()) out.push_back(std::move(r));
        return problem;
    });
    if (!status) out.clear();
    return status;
}

}  // namespace velmoro
