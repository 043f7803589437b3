#include "app/graph_mouse.h"

#include "params/coupling.h"
#include "plot/navigation.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

bool dragsView(const PlotState& state, int button, bool spaceHeld) {
    if (button == kButtonMiddle) {
        return (state.options.couplemode & kButtonMiddle) == 0;
    }
    return button == kButtonLeft && spaceHeld;
}

void zoom(ProgramContext& ctx, int button, int shift, double x, double y) {
    if (ctx.state.menu.zoomtoggle) {
        return;
    }
    if (shift == 0) {
        coupleOnRelease(ctx, button, shift, x, y, false);
        return;
    }
    zoomView(ctx, button, shift, x, y);
}

} // namespace vestrano
