#include "plot/mouse_position.h"

#include "app/calculator.h"
#include "app/plot_state.h"
#include "app/ui.h"
#include "plot/fmtnum.h"
#include "plot/mapping.h"

namespace vestrano {

std::string positiontext(const PlotState& state, double x, double y) {
    const WorldPoint w = mouseworld(state, x, y);
    return "   x: " + fmtnum(w.x, state.fmtx) + "        y: " + fmtnum(w.y, state.fmty);
}

void showareasize(const PlotState& state, Ui& ui) {
    ui.message("xm = " + generalnum(state.view.picw) + ", ym = " + generalnum(state.view.pich),
               "Vestrano", MessageIcon::None);
}

} // namespace vestrano
