#include "plot/mapping.h"

#include "state/plot_state.h"

namespace vestrano {

std::string makemx(std::string_view term) {
    return "((" + std::string(term) + ")-xmi)*xmu";
}

std::string makemy(std::string_view term) {
    return "((" + std::string(term) + ")-ymi)*ymu";
}

double twipsX(const PlotState& state, double x) {
    return (x - state.xmin) * state.view.xmu;
}

double twipsY(const PlotState& state, double y) {
    return (y - state.ymin) * state.view.ymu;
}

double pixelColumn(const Viewport& view, double twipsFromLeft) {
    return twipsFromLeft / view.tppx;
}

double pixelRow(const Viewport& view, double twipsFromBottom) {
    return (view.pich - twipsFromBottom) / view.tppy;
}

WorldPoint mouseWorld(const PlotState& state, double mouseX, double mouseY) {
    const Viewport& view = state.view;
    return {mouseX / view.xmu + state.xmin, (view.pich - mouseY) / view.ymu + state.ymin};
}

} // namespace vestrano
