#include "plot/mouse_position.h"

#include "plot/fmtnum.h"
#include "plot/mapping.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

std::string positionText(const PlotState& state, double x, double y) {
    const WorldPoint w = mouseWorld(state.view, x, y);
    return "   x: " + fmtnum(w.x, state.grid.fmtx) + "        y: " + fmtnum(w.y, state.grid.fmty);
}

void showAreaSize(const PlotState& state, Ui& ui) {
    ui.message("xm = " + generalNumber(state.view.picw) +
                   ", ym = " + generalNumber(state.view.pich),
               "Vestrano", MessageIcon::None);
}

} // namespace vestrano
