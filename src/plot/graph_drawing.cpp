#include "plot/graph_drawing.h"

#include <span>

#include "plot/drawing_messages.h"
#include "plot/expr_pass.h"
#include "plot/mapping.h"
#include "plot/sample_drawing.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

// Evaluates `expr` at every value of the mode variable in buffers.at.
void evaluateAll(PlotState& state, int32_t expr, std::span<double> out, std::span<int> errs) {
    SampleBuffers& b = state.graph.buffers;
    state.engine.ucEvaluateBlock(expr, state.handles.modevar, b.at, out, errs);
}

} // namespace

void drawf(PlotState& state, Canvas& canvas, std::string_view term, int slot) {
    GraphState& g = state.graph;
    const Viewport& v = state.view;
    const auto [first, last] = state.slots[slot].drawrange;
    if (last < first) {
        return;
    }
    ExprPass pass(state.engine);
    const int32_t h = pass.parse(makemy(term));
    SampleBuffers& b = g.buffers;
    b.resize(static_cast<std::size_t>(last - first) + 1);
    for (std::size_t j = 0; j < b.at.size(); ++j) {
        b.at[j] = (first + static_cast<double>(j)) * g.curstep + state.view.xmin;
    }
    evaluateAll(state, h, b.y, b.erry);

    SampleTrace trace;
    for (std::size_t j = 0; j < b.at.size(); ++j) {
        // An undefined sample leaves a gap that the next defined one is joined across.
        if (b.erry[j] != 0) {
            trace.skip = true;
            continue;
        }
        double sampley = b.y[j];
        clampY(trace, sampley, g.yclip);
        if (!trace.skip) {
            const double i = first + static_cast<double>(j);
            drawSample(state, canvas, trace, slot, v.picw * i / g.curnx / v.tppx,
                       (v.pich - sampley) / v.tppy);
        }
    }
}

void drawk(PlotState& state, Canvas& canvas, Ui& ui, std::string_view term, int slot) {
    GraphState& g = state.graph;
    const Viewport& v = state.view;
    const std::string& xterm = state.slots[0].engtext;
    if (xterm.empty()) {
        showOnce(state, ui, "Kann gar nicht sein!");
    }
    ExprPass pass(state.engine);
    const int32_t hx = pass.parse(makemx(xterm));
    const int32_t hy = pass.parse(makemy(term));
    SampleBuffers& b = g.buffers;
    b.resize(static_cast<std::size_t>(g.curnt < 0 ? 0 : g.curnt + 1));
    for (std::size_t j = 0; j < b.at.size(); ++j) {
        b.at[j] = static_cast<double>(j) * g.curstep + state.view.tmin;
    }
    evaluateAll(state, hx, b.x, b.errx);
    evaluateAll(state, hy, b.y, b.erry);

    SampleTrace trace;
    for (std::size_t j = 0; j < b.at.size(); ++j) {
        if (b.errx[j] != 0 || b.erry[j] != 0) {
            trace.skip = true;
            continue;
        }
        double samplex = b.x[j];
        double sampley = b.y[j];
        clampXY(trace, samplex, sampley, g.xclip, g.yclip);
        if (!trace.skip) {
            drawSample(state, canvas, trace, slot, samplex / v.tppx, (v.pich - sampley) / v.tppy);
        }
    }
}

} // namespace vestrano
