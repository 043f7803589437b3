#pragma once

#include "params/arrangement.h"

namespace vestrano {

struct PlotState;

// Puts the term window at the left or right edge of the main window, the graph window in the
// column below it, the parameter list beside the graph and, when they are arranged, the
// parameter windows. Nothing happens while the main window is minimised.
void arrangeWindows(PlotState& state);

// The term window's width at start: the graph below it leaves one column of parameter windows
// (`parawidth`) at the right edge, and the window is never narrower than designed.
int startTermWidth(int clientWidth, int parawidth);

// Where the parameter windows may go, read from the current layout.
FrameGeometry paramFrame(const PlotState& state);

// Size limits of a window in pixels, 0 = none: the term window keeps its height and has a
// smallest width, the graph window a smallest width and height.
struct TrackLimits {
    int minWidth = 0;
    int maxWidth = 0;
    int minHeight = 0;
    int maxHeight = 0;
};
TrackLimits termLimits(int tppx, int tppy);
TrackLimits graphLimits(int tppx, int tppy);

} // namespace vestrano
