#pragma once

#include <cstdint>

namespace vestrano {

struct PlotState;
class Canvas;
class FiniteTest;

// One direction (+1 or -1) of stammf: from the lower bound `a` to the far edge of the drawing
// range, `integrand` being the parsed bracketed integrand. False when the drawing range lies
// too many steps away to walk there; nothing is drawn then.
bool stammfdirection(PlotState& state, Canvas& canvas, const FiniteTest& test, int32_t integrand,
                     double a, int dir, int slot);

} // namespace vestrano
