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
bool applyView(PlotState& state, const Bounds& saved) {
    setscale(state);
    if (viewPrecise(state)) {
        return true;
    }
    setBounds(state, saved);
    setscale(state);
    return false;
}

// The intervals window shows the ranges in `rows`, then the picture follows.
void showView(ProgramContext& ctx, const Bounds& saved, int rows) {
    applyView(ctx.state, saved);
    followView(ctx, rows);
    redrawGraph(ctx);
}

void moveBounds(PlotState& state, double dx, double dy) {
    setBounds(state, {state.view.xmin + dx, state.view.xmax + dx, state.view.ymin + dy,
                      state.view.ymax + dy});
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

// Scales the axes named in `axes` (kModCtrl: x, kModAlt: y) by fx and fy about the world point
// w, which stays under the mouse.
void zoomAbout(PlotState& state, int axes, double fx, double fy, WorldPoint w) {
    const double xspan = state.view.xspan;
    const double yspan = state.view.yspan;
    if (axes & kModCtrl) {
        state.view.xmin = w.x - (w.x - state.view.xmin) * fx;
        state.view.xmax = state.view.xmin + fx * xspan;
    }
    if (axes & kModAlt) {
        state.view.ymin = w.y - (w.y - state.view.ymin) * fy;
        state.view.ymax = state.view.ymin + fy * yspan;
    }
}

// Every zoom and pan of the mouse: locked by "Zoom sperren", guarded, followed by the
// intervals window and the picture.
template <class Change> void changeView(ProgramContext& ctx, Change change) {
    if (ctx.state.menu.zoomtoggle) {
        return;
    }
    const Bounds saved = boundsOf(ctx.state);
    change(ctx.state);
    showView(ctx, saved, kFollowX | kFollowY);
}

void shiftView(ProgramContext& ctx, double dx, double dy, int rows) {
    const Bounds saved = boundsOf(ctx.state);
    moveBounds(ctx.state, dx, dy);
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
    if (shift == 0) {
        return;
    }
    changeView(ctx, [&](PlotState& state) {
        const WorldPoint w = mouseWorld(state.view, x, y);
        if (shift == kModShift) {
            pan(state, button, x, state.view.pich - y, w);
            return;
        }
        const bool out = button == kButtonRight;
        const double fx = out ? state.options.zoomx : 1 / state.options.zoomx;
        const double fy = out ? state.options.zoomy : 1 / state.options.zoomy;
        zoomAbout(state, shift, fx, fy, w);
    });
}

void wheelZoom(ProgramContext& ctx, int shift, int angle, double x, double y) {
    if (angle == 0 || ctx.state.graph.drag.active) {
        return;
    }
    const StepScope userStep(ctx, UserStep::Zoom);
    const int chosen = shift & (kModCtrl | kModAlt);
    const int axes = chosen != 0 ? chosen : kModCtrl | kModAlt;
    const double notches = static_cast<double>(angle) / kWheelNotch;
    changeView(ctx, [&](PlotState& state) {
        zoomAbout(state, axes, std::pow(state.options.zoomx, -notches),
                  std::pow(state.options.zoomy, -notches), mouseWorld(state.view, x, y));
    });
}

bool dragView(PlotState& state, double dx, double dy) {
    const Bounds saved = boundsOf(state);
    moveBounds(state, dx, dy);
    return applyView(state, saved);
}

} // namespace vestrano
