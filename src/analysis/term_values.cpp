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

} // namespace

Cells termValues(PlotState& state, int32_t expr, std::span<const double> xs) {
    const Sided right = evaluateWithStep(state, expr, xs, kStep);
    const Sided left = evaluateWithStep(state, expr, xs, -kStep);
    // The drawing sets its own step before each graph; the last one stays as it left it.
    state.engine.ucSetVariableValueDbl(state.handles.sw, state.graph.curstep);
    Cells cells(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (right.errors[i] != 0 || left.errors[i] != 0) {
            continue;
        }
        // Equal for a term without a quotient, so its value passes unchanged.
        const double v = std::midpoint(right.values[i], left.values[i]);
        if (std::isfinite(v)) {
            cells[i] = v;
        }
    }
    return cells;
}

} // namespace vestrano
