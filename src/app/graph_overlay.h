#pragma once

namespace vestrano {

class Canvas;
struct PlotState;
class Ui;

// What every redraw puts over the graphs, on the screen and in a copy or a file alike: the
// additional lines and points, then, while the window "Kurvenpunkte" or its marks are on, the
// points of interest found anew over the visible x interval (once, for both) and their marks.
void drawOverlays(PlotState& state, Canvas& canvas, Ui& ui);

} // namespace vestrano
