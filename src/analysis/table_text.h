#pragma once

#include <string>

namespace vestrano {

struct PointsResult;
struct ValueTable;

enum class Notation {
    German, // decimal comma, for a German spreadsheet through the clipboard
    Plain,  // decimal point, for scripts
};

// The table as tab-separated lines: a header "x" and the graph names, then one line per row,
// up to 15 significant digits, an empty field where a graph has no value.
std::string tableText(const ValueTable& table, Notation notation);

// A number as the tables write it: 15 significant digits, "-0" as "0".
std::string numberText(double value, Notation notation);

// The points of interest as tab-separated lines of graph, kind, x and y, with a first line
// "Graph", "Art", "x", "y" when `header` is set.
std::string pointsText(const PointsResult& points, Notation notation, bool header);

} // namespace vestrano
