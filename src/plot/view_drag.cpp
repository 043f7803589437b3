#include "plot/view_drag.h"

#include "plot/navigation.h"
#include "plot/view_ranges.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"
#include "state/user_step.h"

namespace vestrano {

bool beginViewDrag(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    if (state.menu.zoomtoggle) {
        return false;
    }
    // One step from here to the end of the drag.
    beginStep(ctx, UserStep::Pan);
    const Viewport& v = state.view;
    state.graph.drag = {.active = true,
                        .keepsBackground = state.graph.backgroundValid,
                        .xmin = v.xmin,
                        .ymin = v.ymin,
                        .xmu = v.xmu,
                        .ymu = v.ymu};
    return true;
}

// The view moves by whole pixels, so the kept background moves with it exactly.
void moveViewDrag(ProgramContext& ctx, double x, double y) {
    PlotState& state = ctx.state;
    ViewDrag& d = state.graph.drag;
    if (!d.active) {
        return;
    }
    const int dx = static_cast<int>(roundEven(x / state.view.tppx));
    const int dy = static_cast<int>(roundEven(y / state.view.tppy));
    if (dx == d.dx && dy == d.dy) {
        return;
    }
    const double xmin = d.xmin - dx * state.view.tppx / d.xmu;
    const double ymin = d.ymin + dy * state.view.tppy / d.ymu;
    if (!dragView(state, xmin - state.view.xmin, ymin - state.view.ymin)) {
        return;
    }
    d.dx = dx;
    d.dy = dy;
    redrawGraph(ctx);
}

void endViewDrag(ProgramContext& ctx) {
    ViewDrag& d = ctx.state.graph.drag;
    if (!d.active) {
        return;
    }
    const bool moved = ctx.state.view.xmin != d.xmin || ctx.state.view.ymin != d.ymin;
    d = {};
    if (moved) {
        followView(ctx, kFollowX | kFollowY);
        redrawGraph(ctx);
    }
    endStep(ctx);
}

std::optional<PixelPoint> movedBackground(const PlotState& state) {
    const ViewDrag& d = state.graph.drag;
    // A zoom or an export during the drag needs a background of its own.
    if (!d.keepsBackground || d.xmu != state.view.xmu || d.ymu != state.view.ymu ||
        state.options.emfmode != 0) {
        return std::nullopt;
    }
    return PixelPoint{d.dx, d.dy};
}

} // namespace vestrano
