#include "plot/mapping.h"

#include "app/plot_state.h"

namespace vestrano {

std::string makemx(std::string_view term) {
    return "((" + std::string(term) + ")-xmi)*xmu";
}

std::string makemy(std::string_view term) {
    return "((" + std::string(term) + ")-ymi)*ymu";
}

double twipsx(const PlotState& state, double x) {
    return (x - state.xmin) * state.view.xmu;
}

double twipsy(const PlotState& state, double y) {
    return (y - state.ymin) * state.view.ymu;
}

double pixelcolumn(const Viewport& view, double twipsFromLeft) {
    return twipsFromLeft / view.tppx;
}

double pixelrow(const Viewport& view, double twipsFromBottom) {
    return (view.pich - twipsFromBottom) / view.tppy;
}

WorldPoint mouseworld(const PlotState& state, double mouseX, double mouseY) {
    const Viewport& view = state.view;
    return {mouseX / view.xmu + state.xmin, (view.pich - mouseY) / view.ymu + state.ymin};
}

} // namespace vestrano
