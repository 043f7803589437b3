#include "app/window_arrangement.h"

#include <algorithm>

#include "state/plot_state.h"
#include "state/rounding.h"
#include "state/twip_rect.h"

namespace vestrano {

namespace {

constexpr int kTermMinWidth = 5050; // twips
constexpr int kTermHeight = 1965;
constexpr int kGraphMinWidth = 2500;
constexpr int kGraphMinHeight = 4000;

// The term window at the left edge (0) or, once moved away from it, at the right edge.
int placeTerm(ChildWindow& term, int clientWidth) {
    int left = term.left;
    if (left > 0) {
        left = clientWidth - term.width;
    }
    left = std::max(left, 0);
    if (term.normal) {
        term.left = left;
        term.top = 0;
        if (term.width > clientWidth) {
            term.width = clientWidth - left - 1;
        }
    }
    return left;
}

void placeGraph(WindowLayout& layout, int left) {
    ChildWindow& graph = layout.graph;
    if (!graph.normal) {
        return;
    }
    const int top = layout.term.visible ? layout.term.height : 0;
    graph.top = top;
    graph.left = left;
    graph.height = std::max(layout.clientHeight - top, 0);
    graph.width = layout.term.width;
}

void placeParamList(PlotState& state, int left) {
    const ChildWindow& graph = state.layout.graph;
    state.paramlist.top = graph.top;
    state.paramlist.left = left == 0 ? graph.width + 1 : graph.left - state.paramlist.width;
}

// The intervals window in the top corner away from the term window.
void placeIntervals(ChildWindow& intervals, int clientWidth, int left) {
    if (!intervals.normal) {
        return;
    }
    intervals.top = 0;
    intervals.left = left == 0 ? clientWidth - intervals.width : 0;
}

// The collection window in the same corner, one twip from the edge.
void placeCollection(ChildWindow& collection, int clientWidth, int left) {
    if (!collection.normal) {
        return;
    }
    collection.top = 0;
    collection.left = left == 0 ? clientWidth - collection.width - 1 : 0;
}

} // namespace

void arrangeWindows(PlotState& state) {
    WindowLayout& layout = state.layout;
    if (layout.minimized) {
        return;
    }
    const int left = placeTerm(layout.term, layout.clientWidth);
    placeGraph(layout, left);
    placeParamList(state, left);
    placeIntervals(state.intervals.frame, layout.clientWidth, left);
    placeCollection(state.collection.window.frame, layout.clientWidth, left);
    if (state.menu.pardock) {
        arrangepara(state, paramFrame(state));
    }
}

int startTermWidth(int clientWidth, int parawidth) {
    return std::max(kTermDesignWidth, clientWidth - parawidth);
}

FrameGeometry paramFrame(const PlotState& state) {
    const WindowLayout& layout = state.layout;
    FrameGeometry frame;
    frame.width = layout.clientWidth;
    frame.height = layout.clientHeight;
    frame.graphVisible = layout.graph.visible;
    frame.graphLeft = layout.graph.left;
    frame.graphWidth = layout.graph.width;
    return frame;
}

TrackLimits termLimits(int tppx, int tppy) {
    const int height = toPixels(kTermHeight, tppy);
    return {toPixels(kTermMinWidth, tppx), 0, height, height};
}

TrackLimits graphLimits(int tppx, int tppy) {
    return {toPixels(kGraphMinWidth, tppx), 0, toPixels(kGraphMinHeight, tppy), 0};
}

} // namespace vestrano
