#pragma once

#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/lines_window.h"
#include "app/mode_switch.h"
#include "app/points_window.h"
#include "lines/additional_drawing.h"
#include "plot/scale.h"

namespace vestrano {

using Kind = RecordingCanvas::Kind;

// The program after its start-up, viewing -10..10 on both axes in 1600 x 1000 pixels.
class LinesFixture : public AppFixture {
  protected:
    LinesFixture() {
        state.view.xmin = -10;
        state.view.xmax = 10;
        state.view.ymin = -10;
        state.view.ymax = 10;
        setscale(state);
    }

    void typeLine(const std::string& text) {
        state.additional.lines.input = text;
        asytaste(ctx);
    }

    void typePoint(const std::string& text) {
        state.additional.points.input = text;
        taste(ctx);
    }

    // Draws the lines and points alone.
    RecordingCanvas drawn() {
        RecordingCanvas canvas;
        drawAdditional(state, canvas, ui);
        return canvas;
    }

    std::vector<LineRow>& lineRows() { return state.additional.lines.rows; }
    std::vector<PointRow>& pointRows() { return state.additional.points.rows; }
};

} // namespace vestrano
