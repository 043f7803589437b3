#pragma once

namespace vestrano {

struct PlotState;
struct ParamContext;

// Mouse buttons and modifier keys as the graph window reports them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

// Check marks of the two coupling items of the menu: the right button with x, the left button
// with y.
bool koppelchecked(const PlotState& state);
bool koppelychecked(const PlotState& state);
void togglekoppel(PlotState& state);
void togglekoppely(PlotState& state);

// Mouse-down and mouse-move in the drawing area, with all pressed buttons and modifiers added;
// x and y in twips from the drawing area's top-left corner. A coupled button without
// modifiers sets the active parameter from the mouse position.
void mousecouple(ParamContext& ctx, int buttons, int shift, double x, double y);

// Sets the active parameter to the world x (right button, v a horizontal position) or the world
// y (otherwise, v a vertical position from the top); the bar stays where it is.
void parkop(ParamContext& ctx, double v, int button);

// Mouse release in the drawing area, from the zoom: with the zoom unlocked and no modifier a
// coupled button hands the mouse's world position to the active parameter through its own
// rules, which also moves its bar.
void couplerelease(ParamContext& ctx, int button, int shift, double x, double y, bool zoomLocked);

} // namespace vestrano
