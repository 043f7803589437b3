#include "plot/sample_drawing.h"

#include <cmath>

#include "plot/canvas.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

bool drawvertex(Canvas& canvas, const SampleTrace& trace, double column, double row) {
    const auto c = toInt16(column);
    const auto r = toInt16(row);
    if (!c || !r) {
        return false;
    }
    if (trace.newseg) {
        canvas.graphMoveTo({*c, *r}, {column, row});
        return true;
    }
    canvas.graphLineTo({*c, *r}, {column, row});
    return true;
}

} // namespace

void clampXY(SampleTrace& trace, double& samplex, double& sampley, double xclip, double yclip) {
    const bool insideY = clampAxis(trace, sampley, yclip, trace.lasty);
    const bool insideX = clampAxis(trace, samplex, xclip, trace.lastx);
    if (insideY && insideX) {
        trace.skip = false;
        trace.lasty = 0;
        trace.lastx = 0;
    }
}

bool drawdot(const PlotState& state, Canvas& canvas, double x, double y, int slot) {
    const double r = state.graph.curltyp;
    const auto left = toInt16(x - r);
    const auto top = toInt16(y - r);
    const auto right = toInt16(x + r);
    const auto bottom = toInt16(y + r);
    if (!left || !top || !right || !bottom) {
        return false;
    }
    const int32_t previous = canvas.selectBrush(state.style.colors[slot]);
    canvas.fillEllipse(*left, *top, *right, *bottom);
    canvas.selectBrush(previous);
    return true;
}

bool drawSample(const PlotState& state, Canvas& canvas, SampleTrace& trace, int slot, double column,
                double row) {
    const bool drawn = state.graph.ltyp[slot] > 0
                           ? drawdot(state, canvas, column + 1, row + 1, slot)
                           : drawvertex(canvas, trace, column, row);
    // A fault breaks the line: the next sample drawn starts a new segment.
    trace.newseg = !drawn;
    if (!drawn) {
        trace.skip = false;
    }
    return drawn;
}

} // namespace vestrano
