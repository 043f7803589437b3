#pragma once

#include <string>

namespace vestrano {

struct PlotState;

// Field k (2..8) of an entry built from the current state; empty for the title and long text.
std::string addone(const PlotState& state, int k);

} // namespace vestrano
