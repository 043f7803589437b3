#pragma once

#include <tuple>

#include "plot_fixture.h"
#include "state/program_context.h"
#include "support/counting_redrawer.h"

namespace vestrano {

// The plot of a 1600 x 1000 pixel graph window with its redraws counted.
class ViewFixture : public PlotFixture {
  protected:
    CountingRedrawer redrawer;
    ProgramContext ctx{state, ui, {.redrawer = &redrawer}};

    ViewFixture() { setscale(state); }

    std::tuple<double, double, double, double> bounds() const {
        return {state.view.xmin, state.view.xmax, state.view.ymin, state.view.ymax};
    }
    // Twips from the top-left corner of the drawing area for a world point.
    double mouseX(double x) const { return (x - state.view.xmin) * state.view.xmu; }
    double mouseY(double y) const {
        return state.view.pich - (y - state.view.ymin) * state.view.ymu;
    }
};

} // namespace vestrano
