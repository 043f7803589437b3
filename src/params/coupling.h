#pragma once

#include "state/input_codes.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;

// Check marks of the two coupling items of the menu: the right button with x, the left button
// with y.
bool xCouplingChecked(const PlotState& state);
bool yCouplingChecked(const PlotState& state);
void toggleXCoupling(PlotState& state);
void toggleYCoupling(PlotState& state);

// Mouse-down and mouse-move in the drawing area, with all pressed buttons and modifiers added;
// x and y in twips from the drawing area's top-left corner. A coupled button without
// modifiers sets the active parameter from the mouse position.
void mouseCouple(ProgramContext& ctx, int buttons, int shift, double x, double y);

// Sets the active parameter to the world x (right button, v a horizontal position) or the world
// y (otherwise, v a vertical position from the top); the bar stays where it is.
void parkop(ProgramContext& ctx, double v, int button);

// Mouse release in the drawing area, from the zoom: with the zoom unlocked and no modifier a
// coupled button hands the mouse's world position to the active parameter through its own
// rules, which also moves its bar.
void coupleOnRelease(ProgramContext& ctx, int button, int shift, double x, double y,
                     bool zoomLocked);

} // namespace vestrano
