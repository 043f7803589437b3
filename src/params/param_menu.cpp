#include "params/param_menu.h"

#include "params/arrangement.h"
#include "params/param_table.h"
#include "state/plot_state.h"
#include "state/program_context.h"

namespace vestrano {

void toggleParamList(PlotState& state, const FrameGeometry& frame, const NameWidth& nameWidth) {
    state.menu.spal = !state.menu.spal;
    if (state.menu.spal) {
        refpar(state, frame, nameWidth);
        return;
    }
    state.paramlist.visible = false;
}

std::vector<int> showAllParameters(PlotState& state, const FrameGeometry& frame,
                                   const NameWidth& nameWidth) {
    std::vector<int> order = showallpara(state, frame);
    state.menu.spal = true;
    refpar(state, frame, nameWidth);
    return order;
}

void toggleParDock(PlotState& state, const FrameGeometry& frame) {
    state.menu.pardock = !state.menu.pardock;
    arrangepara(state, frame);
}

std::vector<int> showLowerBounds(ProgramContext& ctx) {
    std::vector<int> order;
    for (int s = 0; s < kFirstCountParam; ++s) {
        if (!paraVisible(ctx.state, s)) {
            showParamWindow(ctx, s);
        }
        order.insert(order.begin(), s);
    }
    return order;
}

bool toggleAutoInt(PlotState& state) {
    state.menu.autoint = !state.menu.autoint;
    return state.menu.autoint;
}

} // namespace vestrano
