#include "plot/graph_layout.h"

#include <algorithm>

namespace vestrano {

namespace {

constexpr int kGap = 30;
constexpr int kRightMargin = 50;
constexpr int kBottomMargin = 450;
constexpr int kAspectDrop = 120;

} // namespace

GraphLayout graphLayout(int width, int height, int vscrollWidth, int hscrollHeight) {
    GraphLayout g;
    g.picture = {0, 0, std::max(width - kRightMargin - vscrollWidth, 0),
                 std::max(height - kBottomMargin - hscrollHeight, 0)};
    g.vscroll = {g.picture.width + kGap, 0, vscrollWidth, g.picture.height};
    g.hscroll = {0, g.picture.height + kGap, g.picture.width, hscrollHeight};
    g.zoomButton = {g.vscroll.left, g.hscroll.top, vscrollWidth, hscrollHeight};
    const int positionTop = g.hscroll.top + hscrollHeight + kGap;
    g.position = {0, positionTop, g.picture.width, std::max(height - positionTop, 0)};
    const int aspectTop = positionTop + kAspectDrop;
    g.aspect = {g.vscroll.left, aspectTop, std::max(width - g.vscroll.left, 0),
                std::max(height - aspectTop, 0)};
    return g;
}

} // namespace vestrano
