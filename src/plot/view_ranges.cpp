#include "plot/view_ranges.h"

#include <utility>

#include "plot/fmtnum.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

void showRow(PlotState& state, int i, std::string lower, std::string upper) {
    IntervalWindow& w = state.intervals;
    w.von[i] = std::move(lower);
    w.bis[i] = std::move(upper);
    ++w.revision;
}

void showRanges(PlotState& state, int rows) {
    const Viewport& v = state.view;
    if (rows & kFollowX) {
        showRow(state, 0, fmtnum(v.xmin, state.grid.fmtx), fmtnum(v.xmax, state.grid.fmtx));
    }
    if (rows & kFollowY) {
        showRow(state, 1, fmtnum(v.ymin, state.grid.fmty), fmtnum(v.ymax, state.grid.fmty));
    }
    if (rows & kFollowT) {
        showRow(state, 2, formatParamValue(v.tmin), formatParamValue(v.tmax));
    }
}

void followView(ProgramContext& ctx, int rows) {
    showRanges(ctx.state, rows);
    if ((rows & kFollowX) && ctx.hooks.followBounds) {
        ctx.hooks.followBounds(ctx);
    }
}

} // namespace vestrano
