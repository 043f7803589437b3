#pragma once

#include <string>

namespace vestrano {

struct ValueTable;

enum class Notation {
    German, // decimal comma, for a German spreadsheet through the clipboard
    Plain,  // decimal point, for scripts
};

// The table as tab-separated lines: a header "x" and the graph names, then one line per row,
// up to 15 significant digits, an empty field where a graph has no value.
std::string tableText(const ValueTable& table, Notation notation);

} // namespace vestrano
