// CSV as RFC 4180 writes it: fields separated by commas, a field holding a comma, a
// quote or a line break enclosed in quotes with its quotes doubled. Lines end in LF,
// as every file the programs have written; readers take CR LF as well. Every CSV file
// the programs write goes through here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace velmoro {

// The field as it is written: quoted only when it must be.
std::string CsvField(std::string_view text);

// Appends one record of `fields` and its line end to `out`.
void AppendCsvRecord(std::string& out, std::initializer_list<std::string_view> fields);

}  // namespace velmoro
