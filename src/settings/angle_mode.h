#pragma once

namespace vestrano {

struct PlotState;

// The angle unit of the trigonometric functions, 1 radians, 2 degrees, 3 grads; the menu's
// check marks follow `anglemode`. Other numbers change nothing.
void setAngleMode(PlotState& state, int m);

} // namespace vestrano
