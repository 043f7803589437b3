#pragma once

#include <string>

#include <gtest/gtest.h>

#include "app/interpretall.h"
#include "params/param_arithmetic.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "support/counting_redrawer.h"
#include "support/scripted_ui.h"

namespace vestrano {

constexpr int a = 8;
constexpr int b = 9;
constexpr int countF = 3;

// Terms read as the term window would, on a drawing area of 24000 x 15000 twips: on the
// default view 1200 twips per unit in x, 750 in y.
class ParamFixture : public ::testing::Test {
  protected:
    PlotState state;
    ScriptedUi ui;
    CountingRedrawer redraws;
    ProgramContext ctx{state, ui, {.redrawer = &redraws}};

    ParamFixture() {
        state.view.picw = 24000;
        state.view.pich = 15000;
    }

    void terms(const std::string& f, const std::string& g = "") {
        state.slots[0].text = f;
        state.slots[1].text = g;
        ASSERT_TRUE(interpretall(state, ui));
        redraws.count = 0;
        ui.messages.clear();
    }

    bool set(int s, double v) { return setpar(ctx, s, v); }
    ParamEntry& param(int s) { return state.params[s]; }
    ParamWindow& window(int s) { return state.params[s].window; }
    double engineValue(const std::string& name) { return state.engine.ucEval(name); }

    // The messages since the last call, as "title|text" (critical icons only).
    std::string takeMessage() {
        std::string all;
        for (const auto& m : ui.messages) {
            all += (m.icon == MessageIcon::Critical ? "" : "?") + m.title + "|" + m.text;
        }
        ui.messages.clear();
        return all;
    }
};

} // namespace vestrano
