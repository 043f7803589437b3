#include "analysis/table_text.h"

#include <charconv>

#include "analysis/value_table.h"
#include "state/general_number.h"

namespace vestrano {

namespace {

std::string number(double value, Notation notation) {
    if (notation == Notation::German) {
        return formatParamValue(value);
    }
    if (value == 0) {
        return "0"; // also for -0
    }
    // %.15g without the C library's locale.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    return std::string(text, end.ptr);
}

} // namespace

std::string tableText(const ValueTable& table, Notation notation) {
    std::string text = "x";
    for (const ValueColumn& column : table.columns) {
        text += '\t' + column.name;
    }
    text += '\n';
    for (std::size_t i = 0; i < table.x.size(); ++i) {
        text += number(table.x[i], notation);
        for (const ValueColumn& column : table.columns) {
            text += '\t';
            if (const auto& v = column.values[i]) {
                text += number(*v, notation);
            }
        }
        text += '\n';
    }
    return text;
}

} // namespace vestrano
