#include "db/csv_columns.h"

#include "base/text.h"

namespace velmoro {

std::string ReadNumberField(std::string_view field, std::string_view column, int min, int max,
                            bool mayBeEmpty, int& value) {
    if (field.empty() && mayBeEmpty) {
        value = kNotRecorded;
        return {};
    }
    if (!WholeNumber(field, value)) return NotAWholeNumber(column, field);
    if (value < min || value > max) return OutOfRange(column, value, min, max);
    return {};
}

std::string ReadLetterField(std::string_view field, std::string_view column,
                            std::string_view letters, char& value) {
    if (field.empty()) {
        value = ' ';
        return {};
    }
    if (field.size() == 1 && letters.find(field[0]) != std::string_view::npos) {
        value = field[0];
        return {};
    }
    std::string allowed;  // "L, R, B or empty"
    for (char c : letters)
        (allowed += allowed.empty() ? "" : ", ") += c;
    return "column " + std::string(column) + ": \"" + ShownValue(field, 40) + "\" is not " +
           allowed + " or empty";
}

}  // namespace velmoro
