#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/entry_apply.h"
#include "app/intervals.h"
#include "app/lines_window.h"
#include "app/menu_actions.h"
#include "app/mode_switch.h"
#include "app/points_window.h"
#include "app/term_input.h"
#include "app/undo.h"
#include "collection/entry_editing.h"
#include "history/undo_history.h"
#include "params/animation.h"
#include "params/coupling.h"
#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "params/timer_dialog.h"
#include "plot/einszueins.h"
#include "plot/navigation.h"
#include "plot/view_drag.h"
#include "state/user_step.h"
#include "support/temp_folder.h"

namespace vestrano {

namespace {

// What a user sees of the plot: terms, parameters with values, bounds and timers, view,
// restrictions, lines, points and the angle unit, as one text that a failure prints.
std::string plotOf(const PlotState& state) {
    std::ostringstream out;
    out << "mode " << state.mode << " angle " << state.options.anglemode << '\n';
    for (const TermSlot& slot : state.slots) {
        out << "term '" << slot.text << "' " << slot.visible << '\n';
    }
    for (const ParamEntry& p : state.params) {
        if (p.parhandle >= 0) {
            out << p.parname << '=' << p.parvalue << " [" << p.parmin << ';' << p.parmax
                << "] step " << p.parstep << '/' << p.parmode << " shown "
                << (p.window.loaded && p.window.visible) << '\n';
        }
    }
    const Viewport& v = state.view;
    out << "view " << v.xmin << ' ' << v.xmax << ' ' << v.ymin << ' ' << v.ymax << ' ' << v.tmin
        << ' ' << v.tmax << '\n';
    for (int row = 0; row < kIntervalRows; ++row) {
        out << "row " << state.intervals.von[row] << ';' << state.intervals.bis[row] << '\n';
    }
    for (const LineRow& row : state.additional.lines.rows) {
        out << "line " << row.text << ' ' << row.color << '\n';
    }
    for (const PointRow& row : state.additional.points.rows) {
        out << "point " << row.text << ' ' << row.color << '\n';
    }
    return out.str();
}

class UndoFixture : public ::testing::Test, public StartedProgram {
  public:
    explicit UndoFixture(const std::string& folder = {}) : StartedProgram(15000, folder) {
        state.slots[0].text = "a*x^2";
        state.slots[1].text = "sin(b*x)";
        findandget(ctx, false);
        connectHistory(ctx.hooks, history);
        redrawer.count = 0;
    }

    int slotOf(const char* name) const { return paramSlot(name); }

    UndoHistory history;
};

struct Action {
    const char* caption; // of the undo item after the action
    std::function<void(UndoFixture&)> run;
    std::function<void(UndoFixture&)> setup = {}; // before the plot is compared
};

void typeAndTake(UndoFixture& f, int slot, const char* text) {
    f.state.slots[slot].text = text;
    findandgetpre(f.ctx, false);
}

const Action kActions[] = {
    {"f(x) übernehmen", [](UndoFixture& f) { typeAndTake(f, 0, "a*x^3+c"); }},
    {"g(x) übernehmen", [](UndoFixture& f) { typeAndTake(f, 1, "cos(x)"); }},
    {"g(x) ein/aus", [](UndoFixture& f) { showSlot(f.ctx, 1, false); }},
    {"Parameterwert a", [](UndoFixture& f) { enterValue(f.ctx, f.slotOf("a"), "2,5"); }},
    {"Parameterwert b", [](UndoFixture& f) { scrollPara(f.ctx, f.slotOf("b"), 730); }},
    {"Parametergrenzen", [](UndoFixture& f) { chpari(f.ctx, f.slotOf("a"), "-3", "30"); }},
    {"Timer-Einstellung",
     [](UndoFixture& f) {
         const int s = f.slotOf("a");
         timerDialogOk(f.ctx, openTimerDialog(f.state, s), "0,5", 1);
     }},
    {"Timer",
     [](UndoFixture& f) {
         toggleTimer(f.state, f.ui, f.slotOf("a"));
         for (int i = 0; i < 5; ++i) {
             tick(f.ctx);
         }
     },
     [](UndoFixture& f) { f.state.params[f.slotOf("a")].parstep = 0.5; }},
    {"Maus-Kopplung a",
     [](UndoFixture& f) {
         activateParamWindow(f.state, f.slotOf("a"));
         mouseCouple(f.ctx, kButtonRight, 0, 18000, 5000);
     }},
    {"Zoom", [](UndoFixture& f) { zoomView(f.ctx, kButtonLeft, kModCtrl, 6000, 4000); }},
    {"Verschieben", [](UndoFixture& f) { zoomView(f.ctx, kButtonRight, kModShift, 6000, 4000); }},
    {"Verschieben", [](UndoFixture& f) { scrud(f.ctx, 5); }},
    {"Zoom", [](UndoFixture& f) { wheelZoom(f.ctx, 0, -240, 6000, 4000); }},
    {"Verschieben",
     [](UndoFixture& f) {
         ASSERT_TRUE(beginViewDrag(f.ctx));
         for (int k = 1; k <= 30; ++k) {
             moveViewDrag(f.ctx, 15.0 * k, -15.0 * k);
         }
         endViewDrag(f.ctx);
     }},
    {"Verhältnis x:y", [](UndoFixture& f) { einszueins(f.ctx, 1); },
     [](UndoFixture& f) { zoomView(f.ctx, kButtonLeft, kModCtrl, 6000, 4000); }},
    {"Intervalle",
     [](UndoFixture& f) {
         f.state.intervals.von[0] = "-4";
         f.state.intervals.bis[0] = "6";
         f.state.intervals.von[3] = "-1";
         f.state.intervals.bis[3] = "k";
         takeOverIntervals(f.ctx);
     }},
    {"Intervalle", [](UndoFixture& f) { presetRow(f.ctx, 1); }},
    {"Geraden",
     [](UndoFixture& f) {
         showLinesWindow(f.ctx);
         f.state.additional.lines.input = "y=m*x+1";
         asytaste(f.ctx);
     }},
    {"Punkte",
     [](UndoFixture& f) {
         showPointsWindow(f.ctx);
         f.state.additional.points.input = "P(1;p)";
         taste(f.ctx);
     }},
    {"Winkelmaß", [](UndoFixture& f) { winkelmas(f.ctx, 2); }},
    {"Kurvenplotter", [](UndoFixture& f) { chooseMode(f.ctx, 1); }},
    {"Sammlungseintrag",
     [](UndoFixture& f) {
         CollectionWindow& w = f.state.collection.window;
         w.box(DetailBox::Terms) = "f(x)=x^3+c\r\ng(x)=cos(x)";
         w.box(DetailBox::Params) = "c=2";
         w.box(DetailBox::Bounds) = "c[-5;5]";
         colgetall(f.ctx);
     }},
};

class EachAction : public UndoFixture, public ::testing::WithParamInterface<int> {};

// Undo puts the plot back as it was, with one picture drawn; redo brings the step again.
TEST_P(EachAction, IsUndoneAndRedone) {
    const Action& action = kActions[GetParam()];
    if (action.setup) {
        const auto hook = std::exchange(ctx.hooks.step, {});
        action.setup(*this);
        ctx.hooks.step = hook;
    }
    const std::string before = plotOf(state);
    action.run(*this);
    const std::string after = plotOf(state);
    ASSERT_NE(before, after) << action.caption;
    EXPECT_EQ(history.undoCaption(), std::string("Rückgängig: ") + action.caption);
    EXPECT_EQ(history.redoCaption(), "Wiederholen");

    redrawer.count = 0;
    ASSERT_TRUE(undoStep(ctx, history));
    EXPECT_EQ(plotOf(state), before) << action.caption;
    EXPECT_EQ(redrawer.count, 1);
    EXPECT_TRUE(state.timerlist.empty());
    EXPECT_EQ(history.undoSteps(), 0u);
    EXPECT_EQ(history.undoCaption(), "Rückgängig");
    EXPECT_EQ(history.redoCaption(), std::string("Wiederholen: ") + action.caption);

    ASSERT_TRUE(redoStep(ctx, history));
    // A running timer is not part of the plot: the redone run ends where it stopped.
    EXPECT_EQ(plotOf(state), after) << action.caption;
    EXPECT_EQ(history.undoCaption(), std::string("Rückgängig: ") + action.caption);
    EXPECT_FALSE(redoStep(ctx, history));
}

INSTANTIATE_TEST_SUITE_P(Actions, EachAction,
                         ::testing::Range(0, static_cast<int>(std::size(kActions))));

class UndoTest : public UndoFixture {};

// Steps begun while another is open belong to it: a bar dragged over 100 positions, a mouse
// press held while the parameter follows, is one step.
TEST_F(UndoTest, DragIsOneStep) {
    const int a = slotOf("a");
    const std::string before = plotOf(state);
    beginStep(ctx, UserStep::Unnamed);
    for (int pos = 400; pos < 500; ++pos) {
        scrollPara(ctx, a, pos);
    }
    endStep(ctx);
    EXPECT_EQ(history.undoSteps(), 1u);
    EXPECT_EQ(history.undoCaption(), "Rückgängig: Parameterwert a");
    undoStep(ctx, history);
    EXPECT_EQ(plotOf(state), before);
    EXPECT_FALSE(history.canUndo());
}

// A press whose release never came ends at the next press; the steps after it are steps again.
TEST_F(UndoTest, LostReleaseEndsAtTheNextPress) {
    beginStep(ctx, UserStep::Unnamed);
    scrollPara(ctx, slotOf("a"), 700);
    beginStep(ctx, UserStep::Unnamed);
    scrollPara(ctx, slotOf("b"), 700);
    endStep(ctx);
    endStep(ctx);
    enterValue(ctx, slotOf("a"), "3");
    EXPECT_EQ(history.undoSteps(), 3u);
    EXPECT_EQ(history.undoCaption(), "Rückgängig: Parameterwert a");
}

// A press that changed nothing, and a zoom that "Zoom sperren" refused, are no steps.
TEST_F(UndoTest, NothingChangedIsNoStep) {
    beginStep(ctx, UserStep::Unnamed);
    endStep(ctx);
    toggleZoomLock(ctx);
    zoomView(ctx, kButtonLeft, kModCtrl, 6000, 4000);
    typeAndTake(*this, 0, "a*x^2");
    EXPECT_FALSE(history.canUndo());
}

// Typing not yet taken over is no part of the plot before the take-over.
TEST_F(UndoTest, TakeOverUndoesToTheTakenText) {
    state.slots[0].text = "a*x^2+1";
    typeAndTake(*this, 0, "a*x^2+1");
    undoStep(ctx, history);
    EXPECT_EQ(state.slots[0].text, "a*x^2");
}

// The oldest steps go beyond 200; the last 200 all come back in order.
TEST_F(UndoTest, KeepsTheLast200Steps) {
    const int a = slotOf("a");
    for (int i = 1; i <= 250; ++i) {
        enterValue(ctx, a, std::to_string(i));
    }
    EXPECT_EQ(history.undoSteps(), 200u);
    EXPECT_LT(history.bytes(), HistoryLimits{}.bytes);
    int undone = 0;
    while (undoStep(ctx, history)) {
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(state.params[a].parvalue, 50);
}

// The bytes of the snapshots bound the history as well as the count.
TEST_F(UndoTest, BytesBoundTheSteps) {
    const std::size_t one = snapshotBytes(takeSnapshot(state));
    UndoHistory small({200, 5 * one});
    connectHistory(ctx.hooks, small);
    for (int i = 1; i <= 20; ++i) {
        enterValue(ctx, slotOf("a"), std::to_string(i));
    }
    EXPECT_LE(small.bytes(), 5 * one);
    EXPECT_GE(small.undoSteps(), 3u);
    EXPECT_LT(small.undoSteps(), 5u);
}

// What the restoring does is no step of its own, whatever road it takes.
TEST_F(UndoTest, RestoringRecordsNothing) {
    enterValue(ctx, slotOf("a"), "3");
    history.undo(state, [this](const PlotSnapshot&) { enterValue(ctx, slotOf("b"), "4"); });
    EXPECT_EQ(history.undoSteps(), 0u);
    EXPECT_TRUE(history.canRedo());
}

// A new step after an undo drops what could have been redone.
TEST_F(UndoTest, NewStepDropsTheRedo) {
    enterValue(ctx, slotOf("a"), "3");
    undoStep(ctx, history);
    enterValue(ctx, slotOf("b"), "4");
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoSteps(), 1u);
}

std::map<std::string, std::string> filesIn(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        files[entry.path().filename().string()] =
            text.str() + std::to_string(entry.last_write_time().time_since_epoch().count());
    }
    return files;
}

struct FolderHolder {
    TempFolder folder;
};

class UndoWithFiles : public FolderHolder, public UndoFixture {
  protected:
    UndoWithFiles() : UndoFixture(folder.folder.string()) {}
};

// Undo and redo write neither the working copy with its settings nor the collection, also
// where the user's own roads write them: the angle unit into the settings, a take-over into
// the selected entry of a shown collection.
TEST_F(UndoWithFiles, NeverWritesFiles) {
    addcol(ctx);
    state.collection.window.frame.visible = true;
    typeAndTake(*this, 0, "a*x^3");
    winkelmas(ctx, 3);
    showLinesWindow(ctx);
    state.additional.lines.input = "y=2";
    asytaste(ctx);
    const auto files = filesIn(folder.folder);
    ASSERT_FALSE(files.empty());
    while (undoStep(ctx, history)) {
    }
    while (redoStep(ctx, history)) {
    }
    EXPECT_EQ(filesIn(folder.folder), files);
}

} // namespace

} // namespace vestrano
