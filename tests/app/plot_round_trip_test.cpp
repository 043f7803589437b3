#include <gtest/gtest.h>

#include "app/intervals.h"
#include "app/lines_window.h"
#include "app/points_window.h"
#include "app/term_input.h"
#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "collection/working_copy.h"
#include "params/param_arithmetic.h"
#include "settings/settings_fixture.h"

namespace vestrano {
namespace {

using PlotRoundTrip = SettingsFixture;

TEST_F(PlotRoundTrip, ASavedPlotComesBackWholeInAnotherProgram) {
    ASSERT_EQ(colnew(state.files.tmpfile).reason(), "");
    term(0, "a*x^2+c");
    term(1, "integral(2*x)");
    term(2, "b");
    state.slots[2].visible = false;
    findandget(ctx, true);
    // Lines and points first: each take-over interprets anew, which stops every timer.
    state.additional.lines.input = "y=m*x+1";
    asytaste(ctx);
    state.additional.points.input = "P(1;a)";
    taste(ctx);
    double a = 1.5;
    setpar(ctx, paramSlot("a"), a);
    setparb(ctx, paramSlot("a"), -4, 6);
    state.params[paramSlot("c")].parstep = 0.25;
    state.params[paramSlot("c")].parmode = 1;
    state.intervals.von[0] = "-3";
    state.intervals.bis[0] = "2,5";
    ASSERT_TRUE(vonenter(ctx, 0));
    double lower = 0.5;
    setpar(ctx, 1, lower);
    state.intervals.von[3] = "-1";
    state.intervals.bis[3] = "b";
    state.intervals.von[4] = "0";
    state.intervals.bis[4] = "c";
    showcol(ctx);
    state.collection.window.dicke = {"", "4", ""};
    addcol(ctx);
    ui.fileNames = {path("plot.txt")};
    ASSERT_TRUE(colsave(ctx, false).ok());
    EXPECT_FALSE(state.files.colchanged);
    // Only g has a lower bound; each restriction is written with its slot's name.
    const std::string saved = read(path("plot.txt"));
    EXPECT_NE(saved.find("\r\nug="), std::string::npos);
    EXPECT_EQ(saved.find("\r\nuf="), std::string::npos);
    EXPECT_NE(saved.find("\r\nDg[0;c]"), std::string::npos);

    std::filesystem::create_directories(folder / "second");
    StartedProgram second(15000, path("second"));
    second.ui.fileNames = {path("plot.txt")};
    colopen(second.ctx);
    ASSERT_EQ(second.state.collection.entries.size(), 1u);
    showcol(second.ctx);
    selectEntry(second.ctx, 0);
    const PlotState& s = second.state;
    EXPECT_EQ(s.collection.window.label9, "O.k.");
    EXPECT_EQ(s.slots[0].text, "a*x^2+c");
    EXPECT_EQ(s.slots[1].text, "integral(2*x)");
    EXPECT_FALSE(s.slots[2].visible);
    EXPECT_DOUBLE_EQ(second.param("a").parvalue, 1.5);
    EXPECT_DOUBLE_EQ(second.param("a").parmin, -4);
    EXPECT_DOUBLE_EQ(second.param("a").parmax, 6);
    EXPECT_DOUBLE_EQ(second.param("c").parstep, 0.25);
    EXPECT_EQ(second.param("c").parmode, 1);
    EXPECT_DOUBLE_EQ(s.view.xmin, -3);
    EXPECT_DOUBLE_EQ(s.view.xmax, 2.5);
    EXPECT_DOUBLE_EQ(s.lowerbounds[1], 0.5);
    EXPECT_EQ(s.intervals.von[3], "-1");
    EXPECT_EQ(s.intervals.bis[3], "b");
    EXPECT_EQ(s.intervals.bis[4], "c");
    EXPECT_EQ(s.style.ldickeovr[0], -1);
    EXPECT_EQ(s.style.ldickeovr[1], 4);
    ASSERT_EQ(s.additional.lines.rows.size(), 1u);
    ASSERT_EQ(s.additional.points.rows.size(), 1u);
    EXPECT_GE(second.paramSlot("m"), 0);
    EXPECT_EQ(s.status.text, "Ok.");
    EXPECT_TRUE(second.ui.messages.empty());
}

} // namespace
} // namespace vestrano
