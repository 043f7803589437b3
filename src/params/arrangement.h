#pragma once

#include <vector>

namespace vestrano {

struct PlotState;

// Where the parameter windows may go: the main window's client area and the graph window,
// in twips.
struct FrameGeometry {
    int width = 0;
    int height = 0;
    bool graphVisible = false;
    int graphLeft = 0;
    int graphWidth = 0;
};

// Places of the controls that follow a parameter window's width.
struct ParaLayout {
    int barWidth = 0;   // HScroll1
    int valueWidth = 0; // Text3
    int upperLeft = 0;  // Text2
    int clockLeft = 0;  // Image1
};

inline constexpr int kParaHeight = 1250;
inline constexpr int kParaMinWidth = 4000;

// A parameter window was resized (also when first shown): the height stays 1250, the width is
// at least 4000 and, but for the lower-bound windows, becomes the width of windows initialised
// later.
ParaLayout paraResize(PlotState& state, int s, double width);

// Stacks the visible windows of slots 28 down to 3 from the bottom of the main window, right
// of the graph window when they fit there; a full column continues 300 twips further right.
void arrangepara(PlotState& state, const FrameGeometry& frame);

// A lower-bound window (slots 0..2) being loaded, at least `width` wide for its caption: it
// goes to the top of the column the other windows stack in from the bottom, one row per slot,
// so that the three never cover each other.
void placeBoundWindow(PlotState& state, const FrameGeometry& frame, int s, int width);

// The visible windows of slots 28 down to 3 in the order to bring them forward, so that the
// lowest slot ends in front; it becomes the active parameter.
std::vector<int> frontpara(PlotState& state);

// "Alle Parameter anzeigen": arranges when arranging is on, then brings the windows forward.
std::vector<int> showallpara(PlotState& state, const FrameGeometry& frame);

// Double-click in a bound box of slot s's window: the other visible windows in use are laid
// over it 240 twips lower each (lower bound box) or 480 twips further right each (upper bound
// box). Returns them in the order to bring them forward.
std::vector<int> cascadeParamWindows(PlotState& state, int s, bool fromUpperBox);

} // namespace vestrano
