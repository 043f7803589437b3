#include "analysis/slot_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "state/plot_state.h"
#include "state/silent_ui.h"
#include "terms/evaltext.h"

namespace vestrano {

std::optional<double> SlotGraph::at(double x) const {
    ExprEngine& engine = state_.engine;
    engine.ucSetVariableValueDbl(state_.handles.sw, step_);
    engine.ucSetVariableValueDbl(state_.handles.modevar, x);
    const double v = engine.ucEvaluate(expr_);
    if (engine.ucGetError() != 0) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

std::vector<double> SlotGraph::sample(std::span<const double> xs) const {
    ExprEngine& engine = state_.engine;
    engine.ucSetVariableValueDbl(state_.handles.sw, step_);
    std::vector<double> out(xs.size());
    std::vector<int> errs(xs.size());
    engine.ucEvaluateBlock(expr_, state_.handles.modevar, xs, out, errs);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (errs[i] != 0 || !std::isfinite(out[i])) {
            out[i] = std::numeric_limits<double>::quiet_NaN();
        }
    }
    return out;
}

std::optional<std::pair<double, double>> drawnInterval(PlotState& state, int k, double xmin,
                                                       double xmax) {
    SilentUi silent; // a restriction the user is still typing stays silent
    const IntervalWindow& w = state.intervals;
    double lo =
        evalterm(state.engine, w.von[kFirstRestrictionRow + k], state.mode, silent).value_or(xmin);
    double hi =
        evalterm(state.engine, w.bis[kFirstRestrictionRow + k], state.mode, silent).value_or(xmax);
    if (lo > hi) {
        std::swap(lo, hi);
    }
    lo = std::max(lo, xmin);
    hi = std::min(hi, xmax);
    if (!(lo < hi)) {
        return std::nullopt;
    }
    return std::pair{lo, hi};
}

std::vector<double> scanGrid(double lo, double hi, int steps) {
    std::vector<double> x(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i < steps; ++i) {
        x[static_cast<std::size_t>(i)] = lo + (hi - lo) * i / steps;
    }
    x.back() = hi;
    return x;
}

} // namespace vestrano
