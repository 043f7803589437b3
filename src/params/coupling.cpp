#include "params/coupling.h"

#include <cmath>
#include <string>

#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "params/recalculation.h"
#include "plot/fmtnum.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

// The world coordinate behind a mouse position in twips.
double worldValue(const PlotState& state, double v, int button) {
    const Viewport& view = state.view;
    if (button == kButtonRight) {
        return v / view.xmu + state.view.xmin;
    }
    return (view.pich - v) / view.ymu + state.view.ymin;
}

const std::string& valueFormat(const PlotState& state, int button) {
    return button == kButtonRight ? state.grid.fmtx : state.grid.fmty;
}

bool hasActiveParameter(const PlotState& state) {
    return state.activepar > -1 && slotInUse(state, state.activepar);
}

} // namespace

bool xCouplingChecked(const PlotState& state) {
    return (state.options.couplemode & kButtonRight) != 0;
}

bool yCouplingChecked(const PlotState& state) {
    return (state.options.couplemode & kButtonLeft) != 0;
}

void toggleXCoupling(PlotState& state) {
    const int checked = xCouplingChecked(state) ? 0 : kButtonRight;
    state.options.couplemode =
        static_cast<uint8_t>((state.options.couplemode & kButtonLeft) | checked);
}

void toggleYCoupling(PlotState& state) {
    const int checked = yCouplingChecked(state) ? 0 : kButtonLeft;
    state.options.couplemode =
        static_cast<uint8_t>((state.options.couplemode & kButtonRight) | checked);
}

void mouseCouple(ProgramContext& ctx, int buttons, int shift, double x, double y) {
    if ((ctx.state.options.couplemode & buttons) == 0 || shift != 0) {
        return;
    }
    const StepScope userStep(ctx, UserStep::Coupling);
    parkop(ctx, buttons == kButtonRight ? x : y, buttons);
}

void parkop(ProgramContext& ctx, double v, int button) {
    PlotState& state = ctx.state;
    if (!hasActiveParameter(state)) {
        return;
    }
    const double value = worldValue(state, v, button);
    if (!std::isfinite(value)) {
        return; // no drawing area yet
    }
    const int s = state.activepar;
    storeParamValue(state, s, value);
    state.params[s].window.valueText = fmtnum(value, valueFormat(state, button));
    redrawAndCalc(ctx);
    ctx.ui.changed(Change::Parameters);
}

void coupleOnRelease(ProgramContext& ctx, int button, int shift, double x, double y,
                     bool zoomLocked) {
    const StepScope userStep(ctx, UserStep::Coupling);
    PlotState& state = ctx.state;
    if (zoomLocked || shift != 0 || (button != kButtonLeft && button != kButtonRight)) {
        return;
    }
    if ((state.options.couplemode & button) == 0 || !hasActiveParameter(state)) {
        return;
    }
    const int s = state.activepar;
    double value = worldValue(state, button == kButtonRight ? x : y, button);
    if (!std::isfinite(value)) {
        return;
    }
    if (setpar(ctx, s, value)) {
        state.params[s].window.valueText = fmtnum(value, valueFormat(state, button));
        ctx.ui.changed(Change::Parameters);
        return;
    }
    // The drag set a lower bound outside the interval without asking; the last accepted one
    // comes back.
    const double kept = lowerBound(state, s);
    storeParamValue(state, s, kept);
    state.params[s].window.valueText = formatParamValue(kept);
    redrawAndCalc(ctx);
    ctx.ui.changed(Change::Parameters);
}

} // namespace vestrano
