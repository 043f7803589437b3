#include "plot/scale.h"

#include <algorithm>
#include <cmath>

#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

// 2 to the power of log2(m * r) rounded. Both tests of helpStep use the ratio of the
// requested step, even after the first one has changed the step. A bound of 0 read from
// the settings leaves the step as it is instead of dividing by 0.
double powerOfTwoNear(double m, double r) {
    if (!(m * r > 0)) {
        return 1;
    }
    return std::exp2(roundEven(std::log(m * r) / std::log(2.0)));
}

} // namespace

double helpStep(double step, double span, int hmin, int hmax) {
    // A negative step draws the same lines; zero or a broken value would leave the help-line
    // loop without progress, so the default step stands in.
    double hstep = std::fabs(step);
    if (!(hstep > 0) || !std::isfinite(hstep)) {
        hstep = 0.5;
    }
    if (!(span > 0) || !std::isfinite(span)) {
        return hstep;
    }
    const double r = hstep / span;
    if (span / hstep < hmin) {
        hstep /= powerOfTwoNear(hmin, r);
    }
    if (span / hstep > hmax) {
        hstep /= powerOfTwoNear(hmax, r);
    }
    return hstep;
}

std::string labelFormat(double hstep, int komma) {
    // log/log rather than log10, so that exact powers of ten round as they always have.
    const auto rounded = toInt16(std::fabs(std::log(hstep) / std::log(10.0)) + 0.5);
    const int decimals = std::max<int>(rounded.value_or(komma), komma);
    return "0." + std::string(static_cast<std::size_t>(std::max(decimals, 0)), '#');
}

void setsteps(PlotState& state) {
    Viewport& view = state.view;
    for (int i = 0; i < kSlotCount; ++i) {
        const TermSlot& slot = state.slots[i];
        view.slotstep[i] = state.mode == 0 ? view.xspan / slot.anzx : view.tspan / slot.anzt;
    }
}

void setscale(PlotState& state) {
    Viewport& view = state.view;
    view.yspan = state.view.ymax - state.view.ymin;
    view.xspan = state.view.xmax - state.view.xmin;
    view.tspan = state.view.tmax - state.view.tmin;
    view.ymu = view.pich / view.yspan;
    view.xmu = view.picw / view.xspan;
    setsteps(state);

    ExprEngine& engine = state.engine;
    engine.ucSetVariableValueDbl(state.handles.xmu, view.xmu);
    engine.ucSetVariableValueDbl(state.handles.xmi, state.view.xmin);
    engine.ucSetVariableValueDbl(state.handles.ymu, view.ymu);
    engine.ucSetVariableValueDbl(state.handles.ymi, state.view.ymin);

    HelpLines& grid = state.grid;
    grid.hstepx = helpStep(grid.stepx, view.xspan, grid.hminx, grid.hmaxx);
    grid.hstepy = helpStep(grid.stepy, view.yspan, grid.hminy, grid.hmaxy);
    grid.fmtx = labelFormat(grid.hstepx, grid.kommax);
    grid.fmty = labelFormat(grid.hstepy, grid.kommay);
    state.graph.backgroundValid = false;
}

} // namespace vestrano
