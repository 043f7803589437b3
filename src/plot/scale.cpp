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
    view.yspan = state.ymax - state.ymin;
    view.xspan = state.xmax - state.xmin;
    view.tspan = state.tmax - state.tmin;
    view.ymu = view.pich / view.yspan;
    view.xmu = view.picw / view.xspan;
    setsteps(state);

    ExprEngine& engine = state.engine;
    engine.ucSetVariableValueDbl(state.handles.xmu, view.xmu);
    engine.ucSetVariableValueDbl(state.handles.xmi, state.xmin);
    engine.ucSetVariableValueDbl(state.handles.ymu, view.ymu);
    engine.ucSetVariableValueDbl(state.handles.ymi, state.ymin);

    view.hstepx = helpStep(view.stepx, view.xspan, view.hminx, view.hmaxx);
    view.hstepy = helpStep(view.stepy, view.yspan, view.hminy, view.hmaxy);
    state.fmtx = labelFormat(view.hstepx, view.kommax);
    state.fmty = labelFormat(view.hstepy, view.kommay);
    view.backgroundValid = false;
}

} // namespace vestrano
