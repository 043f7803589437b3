#include "app/value_table_window.h"

#include <string>

#include <gtest/gtest.h>

#include "state/plot_state.h"
#include "support/scripted_ui.h"

namespace vestrano {

// The first boxes must be accepted as they stand, cover the view with round numbers and give a
// table one can read at a glance, whatever the zoom.
TEST(ValueTableDefaults, TheVisibleIntervalAtARoundStepInAtMost21Rows) {
    const struct {
        double xmin, xmax;
        const char *from, *to, *step;
    } cases[] = {
        {-10, 10, "-10", "10", "1"},
        {-3.7, 2.2, "-3,5", "2", "0,5"},
        {-0.3, 9.7, "0", "9,5", "0,5"}, // not "-0"
        {1000.25, 1000.75, "1000,25", "1000,75", "0,05"},
        {-1e6, 3e6, "-1000000", "3000000", "200000"},
        {2e-4, 9e-4, "0,0002", "0,0009", "5E-05"},
    };
    PlotState state;
    ScriptedUi ui;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.xmin) + " .. " + std::to_string(c.xmax));
        state.view.xmin = c.xmin;
        state.view.xmax = c.xmax;
        const TableInput input = defaultTableInput(state.view);
        EXPECT_EQ(input.from, c.from);
        EXPECT_EQ(input.to, c.to);
        EXPECT_EQ(input.step, c.step);
        const auto rows = tableRows(state, ui, input);
        ASSERT_TRUE(rows.ok()) << rows.reason();
        EXPECT_LE(rows.value().size(), 21u);
        // Inside the view but for rounding.
        EXPECT_GE(rows.value().front() + 1e-9, c.xmin);
        EXPECT_LE(rows.value().back() - 1e-9, c.xmax);
    }
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace vestrano
