#include "plot/navigation.h"

#include <cmath>

#include "plot/mapping.h"
#include "plot/scale.h"
#include "plot/view_ranges.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

struct Bounds {
    double xmin, xmax, ymin, ymax;
};

Bounds boundsOf(const PlotState& state) {
    return {state.view.xmin, state.view.xmax, state.view.ymin, state.view.ymax};
}

void setBounds(PlotState& state, const Bounds& b) {
    state.view.xmin = b.xmin;
    state.view.xmax = b.xmax;
    state.view.ymin = b.ymin;
    state.view.ymax = b.ymax;
}

// The help line nearest the lower edge must differ from its neighbour; a view that ran out of
// range (infinite or undefined bounds) fails as well.
bool linesApart(double lo, double start, double hstep) {
    const double k = roundEven((lo - start) / hstep);
    return std::isfinite(k) && k + 0.01 != k;
}

// Sets the scale for the changed bounds; a view that fails the guard gets `saved` back.
void applyView(PlotState& state, const Bounds& saved) {
    setscale(state);
    if (viewPrecise(state)) {
        return;
    }
    setBounds(state, saved);
    setscale(state);
}

// The intervals window shows the ranges in `rows`, then the picture follows.
void showView(ProgramContext& ctx, const Bounds& saved, int rows) {
    applyView(ctx.state, saved);
    followView(ctx, rows);
    redrawGraph(ctx);
}

void pan(PlotState& state, int button, double x, double y, WorldPoint w) {
    const Viewport& v = state.view;
    if (button == kButtonRight) {
        const double dx = (v.picw / 2 - x) / v.xmu;
        const double dy = (v.pich / 2 - y) / v.ymu;
        setBounds(state, {state.view.xmin - dx, state.view.xmax - dx, state.view.ymin - dy,
                          state.view.ymax - dy});
        return;
    }
    if (button == kButtonLeft) {
        const double xspan = v.xspan;
        const double yspan = v.yspan;
        state.view.xmin -= w.x;
        state.view.xmax = state.view.xmin + xspan;
        state.view.ymin -= w.y;
        state.view.ymax = state.view.ymin + yspan;
    }
}

// The world point under the mouse stays where it is.
void zoomAbout(PlotState& state, int button, int shift, WorldPoint w) {
    const bool out = button == kButtonRight;
    const double fx = out ? state.options.zoomx : 1 / state.options.zoomx;
    const double fy = out ? state.options.zoomy : 1 / state.options.zoomy;
    const double xspan = state.view.xspan;
    const double yspan = state.view.yspan;
    if (shift & kModCtrl) {
        state.view.xmin = w.x - (w.x - state.view.xmin) * fx;
        state.view.xmax = state.view.xmin + fx * xspan;
    }
    if (shift & kModAlt) {
        state.view.ymin = w.y - (w.y - state.view.ymin) * fy;
        state.view.ymax = state.view.ymin + fy * yspan;
    }
}

void shiftView(ProgramContext& ctx, double dx, double dy, int rows) {
    PlotState& state = ctx.state;
    const Bounds saved = boundsOf(state);
    setBounds(state, {state.view.xmin + dx, state.view.xmax + dx, state.view.ymin + dy,
                      state.view.ymax + dy});
    showView(ctx, saved, rows);
}

} // namespace

bool viewPrecise(const PlotState& state) {
    const Viewport& v = state.view;
    const HelpLines& g = state.grid;
    return linesApart(v.xmin, g.startx, g.hstepx) && linesApart(v.ymin, g.starty, g.hstepy);
}

void scrlr(ProgramContext& ctx, int16_t v) {
    const StepScope userStep(ctx, UserStep::Pan);
    if (v != 0) {
        shiftView(ctx, v * ctx.state.view.xspan / 100, 0, kFollowX);
    }
}

void scrud(ProgramContext& ctx, int16_t v) {
    const StepScope userStep(ctx, UserStep::Pan);
    if (v != 0) {
        shiftView(ctx, 0, v * ctx.state.view.yspan / 100, kFollowY);
    }
}

void zoomView(ProgramContext& ctx, int button, int shift, double x, double y) {
    const StepScope userStep(ctx, (shift & kModShift) != 0 ? UserStep::Pan : UserStep::Zoom);
    PlotState& state = ctx.state;
    const Bounds saved = boundsOf(state);
    const WorldPoint w = mouseWorld(state.view, x, y);
    if (state.menu.zoomtoggle || shift == 0) {
        return;
    }
    if (shift == kModShift) {
        pan(state, button, x, state.view.pich - y, w);
    } else {
        zoomAbout(state, button, shift, w);
    }
    showView(ctx, saved, kFollowX | kFollowY);
}

} // namespace vestrano
