#include "params/coupling.h"

#include "param_fixture.h"
#include "params/param_table.h"

namespace vestrano {
namespace {

// On the default view x = 1200 * (world x + 10), y from the top = 750 * (10 - world y).
class Coupling : public ParamFixture {
  protected:
    void SetUp() override {
        terms("x^2+a");
        activateParamWindow(state, a);
    }
};

TEST_F(Coupling, DraggingSetsTheValueButNotTheBar) {
    toggleYCoupling(state);
    toggleXCoupling(state);
    ASSERT_EQ(state.options.couplemode, 1);
    mouseCouple(ctx, kButtonLeft, 0, 100, 3750);
    EXPECT_EQ(engineValue("f(0)"), 5.0);
    EXPECT_EQ(window(a).valueText, "5");
    EXPECT_EQ(window(a).barpos, 550);
    EXPECT_EQ(redraws.count, 1);
    // The uncoupled button, a modifier, no button, no active parameter: nothing.
    mouseCouple(ctx, kButtonRight, 0, 100, 7500);
    mouseCouple(ctx, kButtonLeft, kModCtrl, 100, 7500);
    mouseCouple(ctx, 0, 0, 100, 7500);
    coupleOnRelease(ctx, kButtonRight, 0, 100, 7500, false);
    state.activepar = 20;
    mouseCouple(ctx, kButtonLeft, 0, 100, 7500);
    EXPECT_EQ(param(a).parvalue, 5.0);
    EXPECT_EQ(redraws.count, 1);
}

TEST_F(Coupling, ReleaseSetsThroughTheWindowUnlessCtrlOrLocked) {
    mouseCouple(ctx, kButtonRight, 0, 14400, 0);
    EXPECT_EQ(param(a).parvalue, 2.0);
    coupleOnRelease(ctx, kButtonRight, kModCtrl, 18000, 0, false);
    coupleOnRelease(ctx, kButtonRight, 0, 18000, 0, true);
    EXPECT_EQ(param(a).parvalue, 2.0);
    EXPECT_EQ(window(a).barpos, 550);
    coupleOnRelease(ctx, kButtonRight, 0, 18000, 0, false);
    EXPECT_EQ(param(a).parvalue, 5.0);
    EXPECT_EQ(window(a).barpos, 750);

    activateParamWindow(state, countF);
    coupleOnRelease(ctx, kButtonRight, 0, 19000, 0, false);
    EXPECT_EQ(state.slots[0].anzx, 4);
    EXPECT_EQ(window(countF).valueText, "5");
}

TEST_F(Coupling, LowerBoundDraggedOutOfTheIntervalComesBackOnRelease) {
    state.lowerbounds[0] = 1;
    showParamWindow(ctx, 0);
    activateParamWindow(state, 0);
    mouseCouple(ctx, kButtonRight, 0, 25200, 0);
    EXPECT_EQ(param(0).parvalue, 11.0);
    coupleOnRelease(ctx, kButtonRight, 0, 25200, 0, false);
    EXPECT_EQ(takeMessage(), "Ungültige Integrationsgrenze:|Die untere Integrationsgrenze muss im "
                             "vorgegebenen Intervall [-10 ; 10 ] liegen!");
    EXPECT_EQ(engineValue("uf"), 1.0);
    EXPECT_EQ(window(0).valueText, "1");
}

} // namespace
} // namespace vestrano
