#include "state/program_context.h"

#include "state/plot_state.h"

namespace vestrano {

void redrawGraph(ProgramContext& ctx) {
    if (ctx.redrawer && ctx.state.busy < 1) {
        ctx.redrawer->redraw();
    }
}

void redrawAndCalc(ProgramContext& ctx) {
    redrawGraph(ctx);
    if (ctx.recalculate) {
        ctx.recalculate(ctx.state, ctx.ui);
    }
}

} // namespace vestrano
