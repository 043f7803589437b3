#pragma once

namespace vestrano {

struct PlotState;
class Canvas;
class Ui;

// Draws the background and every shown slot (h over g over f), then tells the window the
// picture changed. Does nothing while state.busy is 1 or more.
void redraw(PlotState& state, Canvas& canvas, Ui& ui);

// Drops the captured background first, for changes of the background itself.
void redrawall(PlotState& state, Canvas& canvas, Ui& ui);

} // namespace vestrano
