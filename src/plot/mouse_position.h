#pragma once

#include <string>

namespace vestrano {

struct PlotState;
class Ui;

// The position display under the graph: the world point at (x, y), twips from the drawing
// area's top-left corner, in the label formats of the axes.
std::string positionText(const PlotState& state, double x, double y);

// A click on the position display tells the drawing area's size in twips.
void showAreaSize(const PlotState& state, Ui& ui);

} // namespace vestrano
