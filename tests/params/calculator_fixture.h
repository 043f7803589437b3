#pragma once

#include <string>

#include <gtest/gtest.h>

#include "params/recalculation.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "terms/engine_setup.h"

namespace vestrano {

// The calculator's input and result over an engine set up as at start.
class Calculator : public ::testing::Test {
  protected:
    void SetUp() override { setupEngine(state); }

    std::string calc(const std::string& input) {
        state.calculator.input = input;
        docalc(state, ui);
        return state.calculator.result;
    }

    PlotState state;
    ScriptedUi ui;
};

} // namespace vestrano
