#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vestrano {

struct PlotState;

using Cells = std::vector<std::optional<double>>;

// The step of the difference quotients when the values cover x up to `scale` in size: the
// central quotient's error is smallest near the cube root of the machine epsilon.
double derivativeStep(double scale);

// The values of the parsed term `expr` at every x of `xs` through the block evaluator; empty
// where the engine reports an error or the value is not finite. The term's difference
// quotients of f'(x) are taken with steps +h and -h and averaged, which is the central
// quotient: far more accurate than the one-sided one the drawing is content with.
Cells termValues(PlotState& state, int32_t expr, std::span<const double> xs, double h);

} // namespace vestrano
