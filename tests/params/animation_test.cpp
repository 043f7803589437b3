#include "params/animation.h"

#include <string>
#include <utility>
#include <vector>

#include "param_fixture.h"
#include "params/param_table.h"
#include "params/timer_dialog.h"
#include "state/busy_scope.h"

namespace vestrano {
namespace {

class Animation : public ParamFixture {
  protected:
    void SetUp() override { terms("a*x+b"); }

    void prepare(int s, double value, double step, int mode, double lower = 0, double upper = 10) {
        setparb(ctx, s, lower, upper);
        set(s, value);
        param(s).parstep = step;
        param(s).parmode = mode;
    }
};

TEST_F(Animation, TickAtTheBoundsWrapsOrTurns) {
    const struct {
        double value, step;
        int mode;
        double next, nextStep;
    } cases[] = {{9.5, 1, 0, 0, 1}, {9.5, 1, 1, 8.5, -1}, {9, 1, 0, 10, 1},  {10, 1, 0, 0, 1},
                 {10, 1, 1, 9, -1}, {0.5, -1, 0, 10, -1}, {25, 1, 1, 24, -1}};
    for (const auto& c : cases) {
        prepare(a, c.value, c.step, c.mode);
        state.timerlist = std::string(1, static_cast<char>(a));
        tick(ctx);
        EXPECT_EQ(param(a).parvalue, c.next) << c.value << " " << c.step << " " << c.mode;
        EXPECT_EQ(param(a).parstep, c.nextStep);
    }
}

// Binary noise would show as 0,300000000000001 and skip a bound such as 0,3.
TEST_F(Animation, SteppedValuesLandOnTheDecimalGridAndReachTheBounds) {
    const struct {
        double lower, upper, value, step;
        int mode, ticks;
        double last;
    } cases[] = {{0, 10, 0, 0.1, 0, 76, 7.6},     {0, 0.3, 0.2, 0.1, 0, 1, 0.3},
                 {0, 0.3, 0.2, 0.1, 0, 2, 0},     {0, 1, 1, -0.05, 1, 20, 0},
                 {0, 1, 1, -0.05, 1, 21, 0.05},   {-1, 1, 0.85, 0.1, 0, 1, 0.95},
                 {0, 1, 1.0 / 3, 0.1, 0, 1, 0.4}, {-5, 5, -5, 0.7, 1, 600, 3.4}};
    for (const auto& c : cases) {
        prepare(a, c.value, c.step, c.mode, c.lower, c.upper);
        state.timerlist = std::string(1, static_cast<char>(a));
        for (int i = 0; i < c.ticks; ++i) {
            tick(ctx);
            const std::string& shown = window(a).valueText;
            const std::size_t comma = shown.find(',');
            ASSERT_TRUE(comma == std::string::npos || shown.size() - comma <= 3) << shown;
        }
        EXPECT_EQ(param(a).parvalue, c.last) << c.value << " " << c.step;
    }
    // Finer steps are added as they come: rounding would stop them.
    set(a, 0.1);
    param(a).parstep = 1e-11;
    tick(ctx);
    EXPECT_EQ(param(a).parvalue, 0.1 + 1e-11);
}

// Records a and b whenever the calculator follows a change: the order of the slots.
class SnapshotUi : public ScriptedUi {
  public:
    const PlotState* state = nullptr;
    std::vector<std::pair<double, double>> seen;
    void changed(Change what) override {
        if (what == Change::Calculator) {
            seen.emplace_back(state->params[a].parvalue, state->params[b].parvalue);
        }
    }
};

TEST_F(Animation, TimersRunInStartOrderWithOneRedrawPerTick) {
    prepare(a, 1, 1, 0);
    prepare(b, 5, -1, 0);
    toggleTimer(state, ui, b);
    toggleTimer(state, ui, a);
    SnapshotUi spy;
    spy.state = &state;
    ProgramContext spied{state, spy, {.redrawer = &redraws}};
    redraws.count = 0;
    tick(spied);
    tick(spied);
    EXPECT_EQ(redraws.count, 2);
    const std::vector<std::pair<double, double>> expected{{1, 4}, {2, 4}, {2, 3}, {3, 3}};
    EXPECT_EQ(spy.seen, expected);
}

// A tick can run inside a message box of another batch, such as an entry being applied: it
// leaves that batch raised, so the picture is still drawn once, when the batch ends.
TEST_F(Animation, TickInsideAnotherBatchLeavesItRaised) {
    prepare(a, 1, 1, 0);
    toggleTimer(state, ui, a);
    redraws.count = 0;
    {
        const BusyScope other(state);
        tick(ctx);
        EXPECT_EQ(state.busy, 1);
        EXPECT_EQ(redraws.count, 0);
        EXPECT_EQ(param(a).parvalue, 2.0);
    }
    EXPECT_EQ(state.busy, 0);
    tick(ctx);
    EXPECT_EQ(state.busy, 0);
    EXPECT_EQ(redraws.count, 1);
}

TEST_F(Animation, CountSlotMovesOnlyDownwardsByHalfSteps) {
    set(countF, 7);
    param(countF).parstep = 0.5;
    toggleTimer(state, ui, countF);
    tick(ctx);
    tick(ctx);
    EXPECT_EQ(param(countF).parvalue, 7.0);
    param(countF).parstep = -0.5;
    tick(ctx);
    tick(ctx);
    EXPECT_EQ(param(countF).parvalue, 5.0);
    EXPECT_EQ(state.slots[0].anzx, 4);
}

TEST_F(Animation, StartAllStopAllAndTheTermEditStopsEverything) {
    timerGo(ctx);
    EXPECT_FALSE(state.timerEnabled);
    param(b).parstep = 1;
    param(countF).parstep = -2;
    timerGo(ctx);
    EXPECT_EQ(state.timerlist, "\x03\x09");
    EXPECT_STREQ(timerGoCaption(state), "Alle &Timer anhalten");
    timerGo(ctx);
    EXPECT_STREQ(timerGoCaption(state), "Alle &Timer gleichzeitig starten");

    timerGo(ctx);
    terms("a*x+b+1");
    EXPECT_FALSE(state.timerEnabled);
    EXPECT_EQ(param(b).parstep, 0.0);
    EXPECT_EQ(param(countF).parstep, 0.0);
    tick(ctx);
    EXPECT_EQ(param(b).parvalue, 1.0);
    EXPECT_EQ(redraws.count, 0);
}

TEST_F(Animation, ClosedWindowStopsItsTimerAndStartAllBringsItBack) {
    param(a).parstep = 1;
    param(b).parstep = 1;
    timerGo(ctx);
    closeParamWindow(state, a);
    tick(ctx);
    EXPECT_EQ(param(a).parvalue, 1.0);
    EXPECT_EQ(param(b).parvalue, 2.0);
    closeParamWindow(state, b);
    EXPECT_FALSE(state.timerEnabled);
    timerGo(ctx);
    EXPECT_EQ(state.timerlist, "\x08\x09");
    EXPECT_TRUE(paraVisible(state, a));
}

TEST_F(Animation, LowerBoundOutsideTheIntervalStopsAfterOneMessage) {
    showParamWindow(ctx, 0);
    param(0).parstep = 1;
    toggleTimer(state, ui, 0);
    state.view.xmax = 2; // the interval shrank behind the window's back
    for (int i = 0; i < 5; ++i) {
        tick(ctx);
    }
    EXPECT_EQ(param(0).parvalue, 2.0);
    EXPECT_EQ(takeMessage(), "Ungültige Integrationsgrenze:|Die untere Integrationsgrenze muss im "
                             "vorgegebenen Intervall [-10 ; 2 ] liegen!");
    EXPECT_FALSE(state.timerEnabled);
}

// While the message is open the program's timer goes on firing: those ticks wait for it
// instead of opening message over message.
TEST_F(Animation, TicksWhileItsMessageIsOpenDoNotAskAgain) {
    showParamWindow(ctx, 0);
    param(0).parstep = 1;
    toggleTimer(state, ui, 0);
    state.view.xmax = 2;
    int nested = 0;
    ui.whileShown = [&] {
        if (++nested < 50) {
            tick(ctx);
        }
    };
    for (int i = 0; i < 3; ++i) {
        tick(ctx);
    }
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(state.timerEnabled);
}

TEST_F(Animation, ClockClickAndTheDialogWithItsStepCheck) {
    // step, buttons (1 left, 2 right) -> dialog opens, timer runs
    const int cases[][4] = {{0, 1, 1, 0}, {1, 1, 0, 1}, {1, 2, 1, 0}, {1, 3, 1, 1}};
    for (const auto& c : cases) {
        state.timerlist.clear();
        param(a).parstep = c[0];
        EXPECT_EQ(timerClick(state, ui, a, c[1]), c[2] == 1) << c[0] << " " << c[1];
        EXPECT_EQ(timerRunning(state, a), c[3] == 1);
    }
    param(a).parstep = -0.5;
    param(a).parmode = 7;
    const TimerDialog d = openTimerDialog(state, a);
    EXPECT_EQ(d.caption + " " + d.stepText + " " + std::to_string(d.modeIndex),
              "Timer für a -0,5 0");
    EXPECT_FALSE(timerDialogOk(ctx, d, "-20,5", 1));
    EXPECT_EQ(takeMessage(),
              "Inakzeptable Schrittweite|Schrittweite ist größer als das Intervall!");
    EXPECT_FALSE(timerDialogOk(ctx, d, "x+", 1));
    EXPECT_EQ(takeMessage(), "Fehlerhafte Eingabe|Die Eingabe ist keine gültige Zahl!");
    EXPECT_TRUE(timerDialogOk(ctx, d, "-20", 1));
    EXPECT_EQ(param(a).parstep, -20.0);
    EXPECT_EQ(param(a).parmode, 1);
}

} // namespace
} // namespace vestrano
