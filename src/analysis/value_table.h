#pragma once

#include <string>
#include <vector>

#include "analysis/term_values.h"

namespace vestrano {

struct PlotState;
class Ui;

struct ValueColumn {
    std::string name; // "f", "g" or "h", as the graphs are named everywhere else
    Cells values;     // one per row; empty where the graph has no value
};

struct ValueTable {
    std::vector<double> x;
    std::vector<ValueColumn> columns;
};

// The values of every graph function mode draws (a visible slot with a term) at the rows
// `xs`, with the parameters' current values and angle unit: the term's value, or the integral
// function from the slot's lower bound when the slot draws one. A row outside the slot's
// drawing restriction is empty, as is one where the engine reports an error. In curve mode
// there are no columns.
ValueTable valueTable(PlotState& state, Ui& ui, std::vector<double> xs);

} // namespace vestrano
