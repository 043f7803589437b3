#include "app/graph_resize.h"

#include <algorithm>

#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "plot/scale.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

// Each function slot gets as many samples as the drawing area has pixel columns. The count
// parameters take them in one batch, so the picture is drawn once, at the new scale.
void samplePerColumn(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const Viewport& v = state.view;
    const BusyScope batch(state);
    for (int i = 0; i < kSlotCount; ++i) {
        double columns = roundEven(v.picw / v.tppx);
        setpar(ctx, kFirstCountParam + i, columns);
    }
}

} // namespace

void graphResize(ProgramContext& ctx, double picw, double pich, int16_t tppx, int16_t tppy) {
    PlotState& state = ctx.state;
    Viewport& v = state.view;
    v.tppx = std::max<int16_t>(tppx, 1);
    v.tppy = std::max<int16_t>(tppy, 1);
    v.picw = picw;
    v.pich = pich;
    state.graph.xclip = 2 * picw;
    state.graph.yclip = 2 * pich;
    if (!state.options.keepcounts) {
        samplePerColumn(ctx);
    }
    setscale(state);
    redrawGraph(ctx);
}

} // namespace vestrano
