#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/interpretall.h"
#include "plot/recording_canvas.h"
#include "plot/redraw.h"
#include "plot/resources.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"

namespace vestrano {

using Kind = RecordingCanvas::Kind;
using Event = RecordingCanvas::Event;

// A graph window of 1600 x 1000 pixels at 15 twips per pixel, measured by the recording
// canvas, with terms interpreted as the term window would.
class PlotFixture : public ::testing::Test {
  protected:
    PlotState state;
    RecordingCanvas canvas;
    ScriptedUi ui;

    PlotFixture() {
        state.view.picw = 24000;
        state.view.pich = 15000;
        fosize(state, canvas);
        makepens(state, kSlotPens);
    }

    void terms(const std::string& a, const std::string& b = "", const std::string& c = "") {
        state.slots[0].text = a;
        state.slots[1].text = b;
        state.slots[2].text = c;
        interpretall(state, ui);
        setscale(state);
    }

    void view(double xmin, double xmax, double ymin, double ymax) {
        state.view.xmin = xmin;
        state.view.xmax = xmax;
        state.view.ymin = ymin;
        state.view.ymax = ymax;
        setscale(state);
    }

    void draw() {
        canvas.events.clear();
        redraw(state, canvas, ui);
    }

    const PenSpec& pen(int index) const { return state.style.penSpecs[index]; }

    std::vector<PixelPoint> points(const std::vector<Event>& events) const {
        std::vector<PixelPoint> result;
        for (const Event& e : events) {
            result.push_back(e.points.at(0));
        }
        return result;
    }

    static std::size_t moves(const std::vector<Event>& path) {
        return static_cast<std::size_t>(std::count_if(
            path.begin(), path.end(), [](const Event& e) { return e.kind == Kind::MoveTo; }));
    }
};

} // namespace vestrano
