#include "plot/restriction.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "state/plot_state.h"
#include "state/quiet_ui.h"
#include "state/rounding.h"
#include "terms/termconv.h"

namespace vestrano {

std::optional<double> restrictionValue(PlotState& state, Ui& ui, const std::string& text) {
    const std::string term = termconv(text, state.mode, ui);
    if (term.empty()) {
        return std::nullopt;
    }
    ExprEngine& engine = state.engine;
    const double v = engine.ucEval(term);
    if (engine.ucGetError() != 0 || std::isnan(v)) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return v;
}

namespace {

// Sample index of the bound in `text`, or `open` when there is none or it cannot be read.
double boundIndex(PlotState& state, Ui& ui, int k, const std::string& text, double open) {
    const std::optional<double> v = restrictionValue(state, ui, text);
    if (!v) {
        return open;
    }
    const double n = state.graph.curnx;
    const double index = (*v - state.view.xmin) / state.view.slotstep[k];
    return std::clamp(std::isnan(index) ? open : index, 0.0, n);
}

} // namespace

void checkdef(PlotState& state, Ui& ui, int k) {
    // Drawn on every frame: a restriction the user is still typing stays silent.
    QuietUi quiet(ui);
    const IntervalWindow& w = state.intervals;
    const double n = state.graph.curnx;
    double first = boundIndex(state, quiet, k, w.von[kFirstRestrictionRow + k], 0);
    double last = boundIndex(state, quiet, k, w.bis[kFirstRestrictionRow + k], n);
    if (first > last) {
        std::swap(first, last);
    }
    state.slots[k].drawrange = {static_cast<int32_t>(roundEven(first)),
                                static_cast<int32_t>(roundEven(last))};
}

} // namespace vestrano
