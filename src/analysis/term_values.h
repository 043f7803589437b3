#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vestrano {

struct PlotState;

using Cells = std::vector<std::optional<double>>;

// The values of the parsed term `expr` at every x of `xs` through the block evaluator; empty
// where the engine reports an error or the value is not finite. A difference quotient of
// f'(x) in the term is taken with the steps +h and -h and averaged, which is the central
// quotient with a small step: far more accurate than the one-sided one with the drawing's
// step, which is all a picture needs. `quotient`, when given, tells whether some value differed
// between the two steps: the term takes a difference quotient.
Cells termValues(PlotState& state, int32_t expr, std::span<const double> xs,
                 bool* quotient = nullptr);

// The same at one x through the scalar evaluator, for refining a point between samples.
std::optional<double> termValue(PlotState& state, int32_t expr, double x);

} // namespace vestrano
