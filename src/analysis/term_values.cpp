#include "analysis/term_values.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "state/plot_state.h"

namespace vestrano {

namespace {

struct Sided {
    std::vector<double> values;
    std::vector<int> errors;
};

Sided evaluateWithStep(PlotState& state, int32_t expr, std::span<const double> xs, double sw) {
    Sided s{std::vector<double>(xs.size()), std::vector<int>(xs.size())};
    state.engine.ucSetVariableValueDbl(state.handles.sw, sw);
    state.engine.ucEvaluateBlock(expr, state.handles.modevar, xs, s.values, s.errors);
    return s;
}

// Near the cube root of the machine epsilon the central quotient's rounding and truncation
// errors balance for functions that change on a scale of 1, as school functions do. A step
// that grew with x would lose the periodic ones at large x; a power of two keeps x + h exact
// up to |x| of 2^35.
constexpr double kStep = 1.0 / (1 << 17);

// The value from the two sides' values; empty when either side failed. Equal sides (a term
// without a quotient) give their value unchanged.
std::optional<double> central(double right, int rightError, double left, int leftError) {
    if (rightError != 0 || leftError != 0) {
        return std::nullopt;
    }
    const double v = std::midpoint(right, left);
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

// The drawing sets its own step before each graph; the last one stays as it left it.
void restoreStep(PlotState& state) {
    state.engine.ucSetVariableValueDbl(state.handles.sw, state.graph.curstep);
}

} // namespace

Cells termValues(PlotState& state, int32_t expr, std::span<const double> xs, bool* quotient) {
    const Sided right = evaluateWithStep(state, expr, xs, kStep);
    const Sided left = evaluateWithStep(state, expr, xs, -kStep);
    restoreStep(state);
    if (quotient) {
        *quotient = right.values != left.values;
    }
    Cells cells(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        cells[i] = central(right.values[i], right.errors[i], left.values[i], left.errors[i]);
    }
    return cells;
}

std::optional<double> termValue(PlotState& state, int32_t expr, double x) {
    ExprEngine& engine = state.engine;
    engine.ucSetVariableValueDbl(state.handles.modevar, x);
    const auto side = [&](double sw, int& error) {
        engine.ucSetVariableValueDbl(state.handles.sw, sw);
        const double v = engine.ucEvaluate(expr);
        error = engine.ucGetError();
        if (error != 0) {
            engine.ucEval(std::nullopt); // clears the error for the next evaluation
        }
        return v;
    };
    int rightError = 0;
    int leftError = 0;
    const double right = side(kStep, rightError);
    const double left = side(-kStep, leftError);
    restoreStep(state);
    return central(right, rightError, left, leftError);
}

} // namespace vestrano
