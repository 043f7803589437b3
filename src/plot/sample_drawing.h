#pragma once

#include <cmath>

namespace vestrano {

struct PlotState;
class Canvas;

// Where one pass over the samples of a graph stands.
struct SampleTrace {
    bool newseg = true; // the next drawn sample is moved to, not joined
    bool skip = true;   // the current sample is not drawn
    double lasty = 0;   // raw value of the first sample beyond the clamp limit; 0 = none
    double lastx = 0;
};

// False when the sample lies beyond the limit (and is now clamped to it). A NaN is not
// beyond: it reaches the drawing, which breaks the line there.
inline bool clampAxis(SampleTrace& trace, double& v, double limit, double& last) {
    if (!(std::fabs(v) > limit)) {
        return true;
    }
    if (last == 0) {
        trace.skip = false;
        last = v;
    } else {
        trace.newseg = true;
    }
    v = std::copysign(limit, v);
    return false;
}

// Keeps a sample far outside the view from giving absurd coordinates: the first sample
// beyond a limit is drawn at the limit, further ones beyond it only start a new segment.
// Function graphs and integrals are clamped in y only; curves in both directions. Inline:
// an integral walks through up to a hundred million of them.
inline void clampY(SampleTrace& trace, double& sampley, double yclip) {
    if (clampAxis(trace, sampley, yclip, trace.lasty)) {
        trace.skip = false;
        trace.lasty = 0;
    }
}
void clampXY(SampleTrace& trace, double& samplex, double& sampley, double xclip, double yclip);

// Draws one sample at a pixel position not yet rounded: moved to or joined, or a dot one
// pixel right of and below the vertex when the slot draws dots. A position that does not
// fit 16 bits breaks the line there; returns false then.
bool drawSample(const PlotState& state, Canvas& canvas, SampleTrace& trace, int slot, double column,
                double row);

// A filled dot of radius curltyp in the slot colour; false when it does not fit 16 bits.
bool drawdot(const PlotState& state, Canvas& canvas, double x, double y, int slot);

} // namespace vestrano
