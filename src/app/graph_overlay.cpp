#include "app/graph_overlay.h"

#include "analysis/point_marks.h"
#include "analysis/points_of_interest.h"
#include "lines/additional_drawing.h"
#include "state/plot_state.h"
#include "state/ui.h"

namespace vestrano {

void drawOverlays(PlotState& state, Canvas& canvas, Ui& ui) {
    drawAdditional(state, canvas, ui);
    CurvePoints& c = state.curvePoints;
    if (!c.marked && !c.windowVisible) {
        return; // nobody looks: an animation keeps its pace
    }
    c.found = findPoints(state, state.view.xmin, state.view.xmax);
    ++c.revision;
    if (c.marked) {
        drawPointMarks(state, canvas, c.found);
    }
    ui.changed(Change::CurvePoints);
}

} // namespace vestrano
