#pragma once

#include <cstdint>
#include <span>

#include "analysis/term_values.h"

namespace vestrano {

struct PlotState;

// The integral function of the parsed integrand from the lower bound `a` at every x of `xs`
// (in any order): Gauss-Legendre on at least 4096 pieces out to the farthest x from `a`.
// As in the drawing, the walk outwards from `a` ends where the integrand has an error: that
// x and every one beyond it on the same side get an empty cell.
Cells integralValues(PlotState& state, int32_t integrand, double a, std::span<const double> xs);

} // namespace vestrano
