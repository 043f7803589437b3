#include "params/param_menu.h"

#include "app/plot_state.h"
#include "params/arrangement.h"
#include "params/param_context.h"
#include "params/param_table.h"

namespace vestrano {

void togglespal(PlotState& state, const FrameGeometry& frame, const NameWidth& nameWidth) {
    state.menu.spal = !state.menu.spal;
    if (state.menu.spal) {
        refpar(state, frame, nameWidth);
        return;
    }
    state.paramlist.visible = false;
}

std::vector<int> showallparameters(PlotState& state, const FrameGeometry& frame,
                                   const NameWidth& nameWidth) {
    std::vector<int> order = showallpara(state, frame);
    state.menu.spal = true;
    refpar(state, frame, nameWidth);
    return order;
}

void togglepardock(PlotState& state, const FrameGeometry& frame) {
    state.menu.pardock = !state.menu.pardock;
    arrangepara(state, frame);
}

std::vector<int> showlowerbounds(ParamContext& ctx) {
    std::vector<int> order;
    for (int s = 0; s < kFirstCountParam; ++s) {
        if (!paravisible(ctx.state, s)) {
            showpara(ctx, s);
        }
        order.insert(order.begin(), s);
    }
    return order;
}

bool toggleautoint(PlotState& state) {
    state.menu.autoint = !state.menu.autoint;
    return state.menu.autoint;
}

} // namespace vestrano
