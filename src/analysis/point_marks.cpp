#include "analysis/point_marks.h"

#include <cmath>
#include <numbers>

#include "plot/canvas.h"
#include "plot/mapping.h"
#include "state/curve_points.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr int kRingSegments = 16;
constexpr int16_t kRingWidth = 2;

int slotOf(const PointOfInterest& p) {
    return p.graph.front() - 'f'; // "f", "g", "h"; a pair by its first graph
}

PixelPoint whole(ExactPoint p) {
    return {static_cast<int>(roundEven(p.x)), static_cast<int>(roundEven(p.y))};
}

void ring(Canvas& canvas, ExactPoint centre) {
    for (int i = 0; i <= kRingSegments; ++i) {
        const double angle = 2 * std::numbers::pi * i / kRingSegments;
        const ExactPoint p{centre.x + kMarkRadius * std::cos(angle),
                           centre.y + kMarkRadius * std::sin(angle)};
        i == 0 ? canvas.graphMoveTo(whole(p), p) : canvas.graphLineTo(whole(p), p);
    }
}

} // namespace

void drawPointMarks(const PlotState& state, Canvas& canvas, const PointsResult& points) {
    const Viewport& v = state.view;
    const double width = pixelColumn(v, v.picw);
    const double height = pixelRow(v, 0);
    // One pen per graph: the canvas joins the rings of one pen into one batch.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const PenSpec pen{kSolidPen, kRingWidth, state.style.penSpecs[slot].color};
        const PenSpec previous = canvas.selectPen(pen);
        for (const PointOfInterest& p : points.points) {
            const ExactPoint centre{pixelColumn(v, twipsX(v, p.x)), pixelRow(v, twipsY(v, p.y))};
            const bool inside =
                centre.x >= 0 && centre.x <= width && centre.y >= 0 && centre.y <= height;
            if (slotOf(p) == slot && inside) {
                ring(canvas, centre);
            }
        }
        canvas.selectPen(previous);
    }
}

} // namespace vestrano
