#pragma once

namespace vestrano {

class Canvas;
struct PlotState;

// The points: a dot of 5 pixels and the name beside it, as the check boxes say.
void drawpoints(PlotState& state, Canvas& canvas);

} // namespace vestrano
