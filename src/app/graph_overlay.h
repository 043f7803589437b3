#pragma once

namespace vestrano {

class Canvas;
struct PlotState;
class Ui;

// What every redraw puts over the graphs, on the screen and in a copy or a file alike: the
// additional lines and points, then, while the window "Kurvenpunkte" or its marks are on, the
// points of interest found anew over the visible x interval (once, for both) and their marks.
void drawOverlays(PlotState& state, Canvas& canvas, Ui& ui);

// The same for the screen, except that the points of interest only fall due: an animation
// redraws far more often than a screen shows pictures, and the points are wanted only for the
// pictures shown. `settleCurvePoints` finds and rings them on the screen's picture just before
// it is shown; true when it drew.
void drawScreenOverlays(PlotState& state, Canvas& canvas, Ui& ui);
bool settleCurvePoints(PlotState& state, Canvas& canvas, Ui& ui);

} // namespace vestrano
