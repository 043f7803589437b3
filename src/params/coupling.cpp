#include "params/coupling.h"

#include <cmath>
#include <string>

#include "app/plot_state.h"
#include "app/ui.h"
#include "params/param_arithmetic.h"
#include "params/param_context.h"
#include "params/param_table.h"
#include "plot/fmtnum.h"

namespace vestrano {

namespace {

// The world coordinate behind a mouse position in twips.
double worldValue(const PlotState& state, double v, int button) {
    const Viewport& view = state.view;
    if (button == kRightButton) {
        return v / view.xmu + state.xmin;
    }
    return (view.pich - v) / view.ymu + state.ymin;
}

const std::string& valueFormat(const PlotState& state, int button) {
    return button == kRightButton ? state.fmtx : state.fmty;
}

bool hasActiveParameter(const PlotState& state) {
    return state.activepar > -1 && slotinuse(state, state.activepar);
}

} // namespace

bool koppelchecked(const PlotState& state) {
    return (state.couplemode & kRightButton) != 0;
}

bool koppelychecked(const PlotState& state) {
    return (state.couplemode & kLeftButton) != 0;
}

void togglekoppel(PlotState& state) {
    const int checked = koppelchecked(state) ? 0 : kRightButton;
    state.couplemode = static_cast<uint8_t>((state.couplemode & kLeftButton) | checked);
}

void togglekoppely(PlotState& state) {
    const int checked = koppelychecked(state) ? 0 : kLeftButton;
    state.couplemode = static_cast<uint8_t>((state.couplemode & kRightButton) | checked);
}

void mousecouple(ParamContext& ctx, int buttons, int shift, double x, double y) {
    if ((ctx.state.couplemode & buttons) == 0 || shift != 0) {
        return;
    }
    parkop(ctx, buttons == kRightButton ? x : y, buttons);
}

void parkop(ParamContext& ctx, double v, int button) {
    PlotState& state = ctx.state;
    if (!hasActiveParameter(state)) {
        return;
    }
    const double value = worldValue(state, v, button);
    if (!std::isfinite(value)) {
        return; // no drawing area yet
    }
    const int s = state.activepar;
    setwert(state, s, value);
    state.params[s].window.valueText = fmtnum(value, valueFormat(state, button));
    redrawAndCalc(ctx);
    ctx.ui.changed(Change::Parameters);
}

void couplerelease(ParamContext& ctx, int button, int shift, double x, double y, bool zoomLocked) {
    PlotState& state = ctx.state;
    if (zoomLocked || shift != 0 || (button != kLeftButton && button != kRightButton)) {
        return;
    }
    if ((state.couplemode & button) == 0 || !hasActiveParameter(state)) {
        return;
    }
    const int s = state.activepar;
    double value = worldValue(state, button == kRightButton ? x : y, button);
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
    const double kept = state.lowerbounds[state.mode * 3 + s];
    setwert(state, s, kept);
    state.params[s].window.valueText = valuetext(kept);
    redrawAndCalc(ctx);
    ctx.ui.changed(Change::Parameters);
}

} // namespace vestrano
