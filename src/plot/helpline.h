#pragma once

namespace vestrano {

struct PlotState;
class Canvas;

// The background of the graph: help lines, axes with arrow heads and names, numbers along
// the axes. Drawn and captured once per view; later calls put the captured picture back.
void helpline(PlotState& state, Canvas& canvas);

} // namespace vestrano
