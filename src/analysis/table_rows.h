#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "state/result.h"

namespace vestrano {

struct PlotState;
class Ui;

// The three boxes of a value table as typed: expressions of the term language.
struct TableInput {
    std::string from;
    std::string to;
    std::string step;
};

// How a refusal names the three boxes: the window's captions, or the command line's options.
struct TableInputNames {
    std::string from = "\"von\"";
    std::string to = "\"bis\"";
    std::string step = "\"Schrittweite\"";
};

inline constexpr std::size_t kMostTableRows = 100000;

// The finite value of a box that holds a term; empty when it cannot be read.
std::optional<double> termBoxValue(PlotState& state, Ui& ui, const std::string& text);

// "Unverständliche Eingabe für ...!", naming the box.
Failure unreadableBox(const std::string& name);

// The x values of the rows, from "von" towards "bis" in steps of "Schrittweite", "bis" itself
// included when a step lands on it. Refused with a German reason naming the box when a box
// cannot be read, the step is 0 or points away from "bis", or the table would be too long.
Result<std::vector<double>> tableRows(PlotState& state, Ui& ui, const TableInput& input,
                                      const TableInputNames& names = {});

} // namespace vestrano
