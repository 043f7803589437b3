#include "plot/mapping.h"

#include "state/viewport.h"

namespace vestrano {

std::string makemx(std::string_view term) {
    return "((" + std::string(term) + ")-xmi)*xmu";
}

std::string makemy(std::string_view term) {
    return "((" + std::string(term) + ")-ymi)*ymu";
}

double twipsX(const Viewport& view, double x) {
    return (x - view.xmin) * view.xmu;
}

double twipsY(const Viewport& view, double y) {
    return (y - view.ymin) * view.ymu;
}

double pixelColumn(const Viewport& view, double twipsFromLeft) {
    return twipsFromLeft / view.tppx;
}

double pixelRow(const Viewport& view, double twipsFromBottom) {
    return (view.pich - twipsFromBottom) / view.tppy;
}

WorldPoint mouseWorld(const Viewport& view, double mouseX, double mouseY) {
    return {mouseX / view.xmu + view.xmin, (view.pich - mouseY) / view.ymu + view.ymin};
}

} // namespace vestrano
