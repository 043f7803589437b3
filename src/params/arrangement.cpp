#include "params/arrangement.h"

#include <algorithm>
#include <cmath>

#include "params/param_design.h"
#include "params/param_table.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

constexpr int kColumnShift = 300;
constexpr int kCascadeDown = 240;
constexpr int kCascadeRight = 480;
constexpr int kMostTwips = 32767; // parawidth is 16 bits

bool shown(const PlotState& state, int s) {
    return slotInUse(state, s) && paraVisible(state, s);
}

// Right of the graph window when a window of this width fits there, else at the left edge.
int columnLeft(const FrameGeometry& frame, int width) {
    const int x = frame.graphVisible ? frame.graphLeft + frame.graphWidth : 0;
    return x + width > frame.width ? 0 : x;
}

} // namespace

ParaLayout paraResize(PlotState& state, int s, double width) {
    ParamWindow& w = state.params[s].window;
    const double rounded = std::nearbyint(width);
    w.width = static_cast<int>(std::clamp<double>(rounded, kParaMinWidth, kMostTwips));
    w.height = kParaHeight;
    // The lower-bound windows are as wide as their long captions; the others keep theirs.
    if (!isBoundSlot(s)) {
        state.parawidth = static_cast<int16_t>(w.width);
    }
    ParaLayout layout;
    layout.barWidth = w.width - 120;
    layout.valueWidth = layout.barWidth - 450;
    layout.upperLeft = w.width - 120 - kParaUpper.width;
    layout.clockLeft = w.width - kParaClock.width - 130;
    return layout;
}

void arrangepara(PlotState& state, const FrameGeometry& frame) {
    const int h = state.params[0].window.height;
    const int y0 = frame.height - h;
    int x = columnLeft(frame, state.parawidth);
    int y = y0;
    for (int s = kParamCount - 1; s >= kFirstCountParam; --s) {
        if (!shown(state, s)) {
            continue;
        }
        ParamWindow& w = state.params[s].window;
        w.left = x;
        w.top = y;
        y -= h;
        if (y < 0) {
            y = y0;
            x += kColumnShift;
        }
    }
}

void placeBoundWindow(PlotState& state, const FrameGeometry& frame, int s, int width) {
    ParamWindow& w = state.params[s].window;
    w.width = std::max(w.width, width);
    w.left = columnLeft(frame, w.width);
    w.top = s * w.height;
}

std::vector<int> frontpara(PlotState& state) {
    std::vector<int> order;
    for (int s = kParamCount - 1; s >= kFirstCountParam; --s) {
        if (shown(state, s)) {
            order.push_back(s);
        }
    }
    if (!order.empty()) {
        activateParamWindow(state, order.back());
    }
    return order;
}

std::vector<int> showallpara(PlotState& state, const FrameGeometry& frame) {
    if (state.menu.pardock) {
        arrangepara(state, frame);
    }
    return frontpara(state);
}

std::vector<int> cascadeParamWindows(PlotState& state, int s, bool fromUpperBox) {
    const ParamWindow& self = state.params[s].window;
    std::vector<int> order;
    for (int other = 0; other < kParamCount; ++other) {
        if (other == s || !shown(state, other)) {
            continue;
        }
        const int k = static_cast<int>(order.size()) + 1;
        ParamWindow& w = state.params[other].window;
        w.left = fromUpperBox ? self.left + kCascadeRight * k : self.left;
        w.top = fromUpperBox ? self.top : self.top + kCascadeDown * k;
        order.push_back(other);
    }
    return order;
}

} // namespace vestrano
