#include "app/graph_overlay.h"

#include "analysis/point_marks.h"
#include "analysis/points_of_interest.h"
#include "lines/additional_drawing.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

namespace {

bool wanted(const CurvePoints& c) {
    return c.marked || c.windowVisible; // else nobody looks: an animation keeps its pace
}

void findAndRing(PlotState& state, Canvas& canvas, Ui& ui) {
    CurvePoints& c = state.curvePoints;
    c.due = false;
    c.found = findPoints(state, state.view.xmin, state.view.xmax);
    ++c.revision;
    if (c.marked) {
        drawPointMarks(state, canvas, c.found);
    }
    ui.changed(Change::CurvePoints);
}

} // namespace

void drawOverlays(PlotState& state, Canvas& canvas, Ui& ui) {
    drawAdditional(state, canvas, ui);
    if (wanted(state.curvePoints)) {
        findAndRing(state, canvas, ui);
    }
}

void drawScreenOverlays(PlotState& state, Canvas& canvas, Ui& ui) {
    drawAdditional(state, canvas, ui);
    state.curvePoints.due = wanted(state.curvePoints);
}

bool settleCurvePoints(PlotState& state, Canvas& canvas, Ui& ui) {
    CurvePoints& c = state.curvePoints;
    // While busy, the state may already be ahead of the picture.
    if (!c.due || state.busy != 0) {
        return false;
    }
    if (!wanted(c)) {
        c.due = false;
        return false;
    }
    findAndRing(state, canvas, ui);
    return true;
}

} // namespace vestrano
