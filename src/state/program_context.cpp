#include "state/program_context.h"

#include "state/plot_state.h"

namespace vestrano {

void redrawGraph(ProgramContext& ctx) {
    if (ctx.hooks.redrawer && ctx.state.busy < 1) {
        ctx.hooks.redrawer->redraw();
    }
}

} // namespace vestrano
