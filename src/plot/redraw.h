#pragma once

namespace vestrano {

struct PlotState;
class Canvas;
class Ui;

// What a higher layer draws over the graphs (the additional lines and points); the drawing
// code of this layer cannot know it.
using DrawOverlay = void (*)(PlotState& state, Canvas& canvas, Ui& ui);

// Draws the background and every shown slot (h over g over f), then the overlay, and tells the
// window the picture changed. Does nothing while state.busy is 1 or more.
void redraw(PlotState& state, Canvas& canvas, Ui& ui, DrawOverlay overlay = nullptr);

// Drops the captured background first, for changes of the background itself.
void redrawall(PlotState& state, Canvas& canvas, Ui& ui, DrawOverlay overlay = nullptr);

} // namespace vestrano
