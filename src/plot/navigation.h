#pragma once

#include <cstdint>

namespace vestrano {

struct ParamContext;
struct PlotState;

// Mouse buttons and modifier keys as the graph window reports them, added up.
inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;
inline constexpr int kModShift = 1;
inline constexpr int kModCtrl = 2;
inline constexpr int kModAlt = 4;

// Shifts the view right (v > 0) or left by v percent of the x span; scrud up or down.
void scrlr(ParamContext& ctx, int16_t v);
void scrud(ParamContext& ctx, int16_t v);

// A mouse release in the drawing area at (x, y), twips from its top-left corner. Without a
// modifier it ends a parameter coupling; with Shift it pans (left: the point becomes the
// origin, right: the point moves to the centre); with Ctrl and/or Alt it zooms x and/or y
// about the point, in with any button but the right one. "Zoom sperren" blocks all of it.
void zoom(ParamContext& ctx, int button, int shift, double x, double y);

// False when the view's help lines could no longer be told apart in double precision.
bool viewprecise(const PlotState& state);

} // namespace vestrano
