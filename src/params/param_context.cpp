#include "params/param_context.h"

#include "app/calculator.h"
#include "app/plot_state.h"

namespace vestrano {

void redrawGraph(ParamContext& ctx) {
    if (ctx.redrawer && ctx.state.busy < 1) {
        ctx.redrawer->redraw();
    }
}

void redrawAndCalc(ParamContext& ctx) {
    redrawGraph(ctx);
    docalc(ctx.state, ctx.ui);
}

} // namespace vestrano
