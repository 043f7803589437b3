#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct Viewport;

// Wraps a term so that the engine evaluates it straight into twips from the left edge.
std::string makemx(std::string_view term);
// Same for twips above the bottom edge.
std::string makemy(std::string_view term);

// World to drawing area, in twips: horizontal from the left, vertical from the bottom.
double twipsX(const Viewport& view, double x);
double twipsY(const Viewport& view, double y);

// Drawing area to pixels, counted from the top-left corner; not yet rounded.
double pixelColumn(const Viewport& view, double twipsFromLeft);
double pixelRow(const Viewport& view, double twipsFromBottom);

struct WorldPoint {
    double x = 0;
    double y = 0;
};

// The world point under the mouse; the mouse position is in twips from the top-left.
WorldPoint mouseWorld(const Viewport& view, double mouseX, double mouseY);

} // namespace vestrano
