#pragma once

#include <cstdint>

#include "state/input_codes.h"

namespace vestrano {

struct ProgramContext;
struct PlotState;

// Shifts the view right (v > 0) or left by v percent of the x span; scrud up or down.
void scrlr(ProgramContext& ctx, int16_t v);
void scrud(ProgramContext& ctx, int16_t v);

// The view's part of a mouse release at (x, y), twips from the drawing area's top-left corner:
// with Shift it pans (left: the point becomes the origin, right: the point moves to the
// centre); with Ctrl and/or Alt it zooms x and/or y about the point, in with any button but
// the right one. Nothing without a modifier or while "Zoom sperren" is checked.
void zoomView(ProgramContext& ctx, int button, int shift, double x, double y);

// One notch of a mouse wheel in its angle units (eighths of a degree).
inline constexpr int kWheelNotch = 120;

// A turn of the wheel by `angle` (eighths of a degree, positive away from the user) at (x, y),
// twips from the drawing area's top-left corner: zooms about the point by the zoom factors per
// notch, in proportion for finer wheels, in when turned away from the user. Ctrl zooms x only,
// Alt y only. Locked and guarded like the zoom clicks; ignored while the view is dragged.
void wheelZoom(ProgramContext& ctx, int shift, int angle, double x, double y);

// Moves the view by (dx, dy) world units without redrawing; false, and the view as it was,
// when the precision guard refuses.
bool dragView(PlotState& state, double dx, double dy);

// False when the view's help lines could no longer be told apart in double precision.
bool viewPrecise(const PlotState& state);

} // namespace vestrano
