#include "app/window_arrangement.h"

#include <tuple>

#include <gtest/gtest.h>

#include "state/plot_state.h"

namespace vestrano {

class Arrangement : public ::testing::Test {
  protected:
    PlotState state;

    Arrangement() {
        state.menu.pardock = false;
        state.layout.clientWidth = 19200;
        state.layout.clientHeight = 12000;
        state.layout.term = {0, 0, 7080, 1965, true, true};
        state.layout.graph = {300, 300, 5000, 5000, true, true};
        state.paramlist.width = 1650;
    }
};

TEST_F(Arrangement, TermAtTheLeftPutsTheGraphBelowIt) {
    arrangeWindows(state);
    const WindowLayout& l = state.layout;
    EXPECT_EQ(std::tie(l.term.left, l.term.top), std::make_tuple(0, 0));
    EXPECT_EQ(std::tie(l.graph.left, l.graph.top, l.graph.width, l.graph.height),
              std::make_tuple(0, 1965, 7080, 12000 - 1965));
    EXPECT_EQ(std::tie(state.paramlist.left, state.paramlist.top), std::make_tuple(7081, 1965));
}

TEST_F(Arrangement, TermMovedAwayFromTheLeftMirrorsEverything) {
    state.layout.term.left = 15;
    arrangeWindows(state);
    const WindowLayout& l = state.layout;
    EXPECT_EQ(l.term.left, 19200 - 7080);
    EXPECT_EQ(l.graph.left, 19200 - 7080);
    EXPECT_EQ(state.paramlist.left, 19200 - 7080 - 1650);
}

TEST_F(Arrangement, HiddenTermLetsTheGraphFillTheColumnAndATooWideTermShrinks) {
    state.layout.term.visible = false;
    state.layout.term.width = 25000;
    arrangeWindows(state);
    const WindowLayout& l = state.layout;
    EXPECT_EQ(l.term.width, 19200 - 0 - 1);
    EXPECT_EQ(std::tie(l.graph.top, l.graph.height, l.graph.width),
              std::make_tuple(0, 12000, 19199));
}

TEST_F(Arrangement, NothingMovesWhileMinimisedAndAMaximisedChildStays) {
    state.layout.minimized = true;
    arrangeWindows(state);
    EXPECT_EQ(state.layout.graph.left, 300);

    state.layout.minimized = false;
    state.layout.graph.normal = false;
    arrangeWindows(state);
    EXPECT_EQ(state.layout.graph.left, 300);
    EXPECT_EQ(state.layout.term.left, 0);
}

TEST(StartWidth, TheGraphLeavesOneColumnOfParameterWindowsButKeepsItsDesignedWidth) {
    EXPECT_EQ(startTermWidth(28800, 4740), 28800 - 4740); // 1920 pixels
    EXPECT_EQ(startTermWidth(11820, 4740), 7080);         // exactly the designed width
    EXPECT_EQ(startTermWidth(9000, 4740), 7080);          // too small for both
    EXPECT_EQ(startTermWidth(0, 4740), 7080);             // no window yet
}

} // namespace vestrano
