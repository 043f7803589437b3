#pragma once

#include <string>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "lines/additional_drawing.h"
#include "plot/recording_canvas.h"
#include "plot/redraw.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/scripted_ui.h"

namespace vestrano {

// Draws every redraw into a recording canvas and counts them.
class RecordingRedrawer final : public Redrawer {
  public:
    RecordingRedrawer(PlotState& state, Ui& ui) : state_(state), ui_(ui) {}
    void redraw() override {
        ++count;
        vestrano::redraw(state_, canvas, ui_, drawAdditional);
    }
    RecordingCanvas canvas;
    int count = 0;

  private:
    PlotState& state_;
    Ui& ui_;
};

// A program after its start-up on a main window of 30000 x 18000 twips, with a drawing area
// of 24000 x `pich` twips and its working copy in `dataFolder` (none when empty).
struct StartedProgram {
    PlotState state;
    ScriptedUi ui;
    RecordingRedrawer redrawer{state, ui};
    ProgramContext ctx{state, ui};

    explicit StartedProgram(double pich = 15000, const std::string& dataFolder = {}) {
        BusyScope starting = startup(ctx, {.redrawer = &redrawer}, dataFolder);
        state.layout.clientWidth = 30000;
        state.layout.clientHeight = 18000;
        state.view.picw = 24000;
        state.view.pich = pich;
        completeStartup(ctx, redrawer.canvas, std::move(starting));
    }

    // The slot of the free parameter `name`, -1 when there is none.
    int paramSlot(const std::string& name) const {
        for (int s = kFirstFreeParam; s < kParamCount; ++s) {
            if (state.params[s].parhandle >= 0 && state.params[s].parname == name) {
                return s;
            }
        }
        return -1;
    }
    const ParamEntry& param(const std::string& name) const {
        return state.params.at(static_cast<std::size_t>(paramSlot(name)));
    }
};

// The started program with nothing drawn or told since.
class AppFixture : public ::testing::Test, public StartedProgram {
  protected:
    AppFixture() {
        redrawer.count = 0;
        redrawer.canvas.events.clear();
        ui.changes.clear();
    }

    void term(int slot, const std::string& text) { state.slots[slot].text = text; }
};

} // namespace vestrano
