#include "analysis/slot_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/term_values.h"
#include "state/plot_state.h"
#include "state/silent_ui.h"
#include "terms/evaltext.h"

namespace vestrano {

std::optional<double> SlotGraph::at(double x) const {
    return termValue(state_, expr_, x);
}

std::vector<double> SlotGraph::sample(std::span<const double> xs, bool* quotient) const {
    const Cells cells = termValues(state_, expr_, xs, quotient);
    std::vector<double> out(cells.size());
    std::ranges::transform(cells, out.begin(), [](const std::optional<double>& v) {
        return v.value_or(std::numeric_limits<double>::quiet_NaN());
    });
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
