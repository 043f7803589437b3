#include "plot/graph_layout.h"

#include <algorithm>

#include "app/plot_state.h"
#include "app/rounding.h"
#include "params/param_arithmetic.h"
#include "params/param_context.h"
#include "params/param_table.h"
#include "plot/scale.h"

namespace vestrano {

namespace {

constexpr int kGap = 30;
constexpr int kRightMargin = 50;
constexpr int kBottomMargin = 450;
constexpr int kAspectDrop = 120;

// Each function slot gets as many samples as the drawing area has pixel columns. The count
// parameters take them in one batch, so the picture is drawn once, at the new scale.
void samplePerColumn(ParamContext& ctx) {
    PlotState& state = ctx.state;
    const Viewport& v = state.view;
    const int16_t savedBusy = state.busy;
    state.busy = 1;
    for (int i = 0; i < kSlotCount; ++i) {
        double columns = roundEven(v.picw / v.tppx);
        setpar(ctx, kFirstCountParam + i, columns);
    }
    state.busy = savedBusy;
}

} // namespace

GraphLayout graphlayout(int width, int height, int vscrollWidth, int hscrollHeight) {
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

void graphresize(ParamContext& ctx, double picw, double pich, int16_t tppx, int16_t tppy) {
    PlotState& state = ctx.state;
    Viewport& v = state.view;
    v.tppx = std::max<int16_t>(tppx, 1);
    v.tppy = std::max<int16_t>(tppy, 1);
    v.picw = picw;
    v.pich = pich;
    state.graph.xclip = 2 * picw;
    state.graph.yclip = 2 * pich;
    if (!state.keepcounts) {
        samplePerColumn(ctx);
    }
    setscale(state);
    redrawGraph(ctx);
}

} // namespace vestrano
