#include "params/param_list.h"

#include "param_fixture.h"
#include "params/arrangement.h"
#include "params/param_table.h"

namespace vestrano {
namespace {

double nameWidth(std::string_view name) {
    return 100.0 * static_cast<double>(name.size());
}

class ParamList : public ParamFixture {
  protected:
    FrameGeometry frame{20000, 9000, true, 0, 12000};
    const ParamListWindow& list() const { return state.paramlist; }
    void refresh() { refpar(state, frame, nameWidth); }
};

TEST_F(ParamList, RowsFollowTheWindowsAndTheButtonChecksAll) {
    setBoundLabels(state);
    terms("a*x+b", "integral(a*x)");
    hideParamWindow(state, b);
    refresh();
    ASSERT_EQ(list().rows.size(), 3u);
    EXPECT_EQ(list().rows[0].name, "ug = untere Grenze für Integralfunktion in g(x)");
    EXPECT_FALSE(list().rows[0].checked);
    EXPECT_TRUE(list().rows[1].checked);
    EXPECT_EQ(list().buttonCaption, "&Alle");
    listButton(ctx, frame);
    EXPECT_TRUE(paraVisible(state, b));
    EXPECT_EQ(list().buttonCaption, "&Keine");
    listButton(ctx, frame);
    EXPECT_FALSE(paraVisible(state, a));

    listClick(ctx, frame, 2, true);
    EXPECT_TRUE(paraVisible(state, b));
    EXPECT_EQ(state.activepar, b);
    EXPECT_EQ(window(b).left, 12000);
    closeParamWindow(state, b);
    EXPECT_FALSE(list().rows[2].checked);
    terms("a*x+b", "a");
    refresh();
    EXPECT_EQ(list().rows.size(), 2u);
}

TEST_F(ParamList, SizeAndPlaceFollowRowsNamesAndGraph) {
    terms("a*x+bb+ccc");
    refresh();
    EXPECT_EQ(list().width, 1100); // the height of three rows: the list window's test
    EXPECT_EQ(list().left, 12000);
    const struct {
        FrameGeometry frame;
        int left;
    } cases[] = {{{20000, 9000, true, 5000, 12000}, 3900}, {{12500, 9000, true, 0, 12000}, 0}};
    for (const auto& c : cases) {
        refpar(state, c.frame, nameWidth);
        EXPECT_EQ(list().left, c.left);
    }
    terms("a*x");
    refresh();
    EXPECT_EQ(list().height, 1100);
}

} // namespace
} // namespace vestrano
