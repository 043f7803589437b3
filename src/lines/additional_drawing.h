#pragma once

namespace vestrano {

class Canvas;
struct PlotState;
class Ui;

// The additional lines over the graphs, each in its colour and line type. Equations the
// engine cannot parse are listed in one message, shown once for the same lines.
void interprete(PlotState& state, Canvas& canvas, Ui& ui);

// What the redraw puts over the graphs: the lines while they are visible, then the points.
void drawAdditional(PlotState& state, Canvas& canvas, Ui& ui);

} // namespace vestrano
