#include "plot/einszueins.h"

#include <cmath>

#include "plot/scale.h"
#include "plot/view_ranges.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

// New bounds of the adapted axis, centred where the old ones were.
bool centredSpan(double& lo, double& hi, double span) {
    const double newLo = lo + (hi - lo - span) / 2;
    const double newHi = newLo + span;
    // A drawing area without size gives no ratio to adapt to.
    if (!std::isfinite(newLo) || !std::isfinite(newHi) || !(newHi > newLo)) {
        return false;
    }
    lo = newLo;
    hi = newHi;
    return true;
}

} // namespace

void einszueins(ProgramContext& ctx, int k) {
    const StepScope userStep(ctx, UserStep::Aspect);
    PlotState& state = ctx.state;
    const double w = state.view.picw;
    const double h = state.view.pich;
    bool changed = false;
    if (k == 1) {
        changed = centredSpan(state.view.ymin, state.view.ymax,
                              h / w * (state.view.xmax - state.view.xmin));
    } else if (k == 2) {
        changed = centredSpan(state.view.xmin, state.view.xmax,
                              w / h * (state.view.ymax - state.view.ymin));
    }
    if (!changed) {
        return;
    }
    setscale(state);
    followView(ctx, kFollowX | kFollowY | kFollowT);
    redrawGraph(ctx);
}

} // namespace vestrano
