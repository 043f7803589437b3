#include "analysis/table_text.h"

#include <charconv>

#include "analysis/points_of_interest.h"
#include "analysis/value_table.h"
#include "state/general_number.h"

namespace vestrano {

std::string numberText(double value, Notation notation) {
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

std::string tableText(const ValueTable& table, Notation notation) {
    std::string text = "x";
    for (const ValueColumn& column : table.columns) {
        text += '\t' + column.name;
    }
    text += '\n';
    for (std::size_t i = 0; i < table.x.size(); ++i) {
        text += numberText(table.x[i], notation);
        for (const ValueColumn& column : table.columns) {
            text += '\t';
            if (const auto& v = column.values[i]) {
                text += numberText(*v, notation);
            }
        }
        text += '\n';
    }
    return text;
}

std::string pointsText(const PointsResult& points, Notation notation, bool header) {
    std::string text = header ? "Graph\tArt\tx\ty\n" : "";
    for (const PointOfInterest& p : points.points) {
        text += p.graph + '\t' + std::string(pointKindName(p.kind)) + '\t' +
                numberText(p.x, notation) + '\t' + numberText(p.y, notation) + '\n';
    }
    return text;
}

} // namespace vestrano
