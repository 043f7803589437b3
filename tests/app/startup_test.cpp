#include "app/startup.h"

#include <tuple>

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace vestrano {

TEST(Startup, LeavesFunctionModeWithFixedVariablesAndNothingDrawn) {
    PlotState state;
    ScriptedUi ui;
    RecordingRedrawer redrawer{state, ui};
    ProgramContext ctx{state, ui};
    const BusyScope starting = startup(ctx, {.redrawer = &redrawer});

    EXPECT_EQ(state.mode, 0);
    EXPECT_EQ(state.busy, 1);
    EXPECT_EQ(redrawer.count, 0);
    EXPECT_EQ(state.status.text, "Ok.");
    EXPECT_EQ(std::tie(state.view.xmin, state.view.xmax, state.view.ymin, state.view.ymax,
                       state.view.tmin, state.view.tmax),
              std::make_tuple(-10.0, 10.0, -10.0, 10.0, 0.0, 10.0));
    for (int s = 0; s < kFirstFreeParam; ++s) {
        EXPECT_GE(state.params[s].parhandle, 0) << "slot " << s;
    }
    for (int s = kFirstFreeParam; s < kParamCount; ++s) {
        EXPECT_EQ(state.params[s].parhandle, -1) << "slot " << s;
    }
    EXPECT_EQ(state.grid.fmtx, "0.##");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Startup, FinishingDrawsOnceWithEqualScalesAndShowsBothWindows) {
    const StartedProgram program(12000);
    const PlotState& fresh = program.state;
    const RecordingRedrawer& counter = program.redrawer;
    EXPECT_EQ(fresh.busy, 0);
    EXPECT_EQ(counter.count, 1);
    EXPECT_DOUBLE_EQ(fresh.view.ymin, -5);
    EXPECT_DOUBLE_EQ(fresh.view.ymax, 5);
    EXPECT_TRUE(fresh.layout.term.visible);
    EXPECT_TRUE(fresh.layout.graph.visible);
    EXPECT_EQ(fresh.layout.graph.top, 1965);
    EXPECT_GT(counter.canvas.count(RecordingCanvas::Kind::LineTo), 0u);
    // A wide main window: the graph reaches one column of parameter windows from the edge.
    EXPECT_EQ(fresh.layout.term.width, 30000 - 4740);
    EXPECT_EQ(fresh.layout.graph.width, 30000 - 4740);
}

TEST_F(AppFixture, QuitAsksOnlyAboutAChangedCollectionAndLetsGoOfThePens) {
    quit(ctx);
    EXPECT_TRUE(ui.questions.empty());
    for (int32_t pen : state.style.pens) {
        EXPECT_EQ(pen, 0);
    }

    state.files.colchanged = true;
    quit(ctx);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Die Sammlung ist geändert worden. Soll sie gespeichert werden?");
}

} // namespace vestrano
