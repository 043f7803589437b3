#pragma once

#include <optional>

#include "plot/canvas.h"

namespace vestrano {

struct ProgramContext;
struct PlotState;

// Dragging the view with the mouse: the world point under the pointer stays under it. A drag
// begins at a press, follows every move and ends at the release; only its end lets the
// intervals window follow and rebuilds the background. "Zoom sperren" locks it as it locks
// the panning clicks: then begin returns false.
bool beginViewDrag(ProgramContext& ctx);
// (x, y): twips from where the drag began, right and down positive.
void moveViewDrag(ProgramContext& ctx, double x, double y);
void endViewDrag(ProgramContext& ctx);

// While a drag moves the background it began with: how far, in pixels, right and down.
std::optional<PixelPoint> movedBackground(const PlotState& state);

} // namespace vestrano
