#pragma once

namespace vestrano {

struct PlotState;
struct ProgramContext;

// Whether a press of `button` drags the view: the middle button unless the coupling gives it to
// a parameter, the left button while the space bar is held.
bool dragsView(const PlotState& state, int button, bool spaceHeld);

// A mouse release in the drawing area at (x, y), twips from its top-left corner. Without a
// modifier it ends a parameter coupling; with one it pans or zooms the view. "Zoom sperren"
// blocks all of it.
void zoom(ProgramContext& ctx, int button, int shift, double x, double y);

} // namespace vestrano
