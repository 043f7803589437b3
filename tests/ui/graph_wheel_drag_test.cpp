#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include "plot/fmtnum.h"
#include "window_fixture.h"

namespace vestrano {

// The graph window's drawing area driven by the wheel and by drags.
class WheelAndDrag : public Windows {
  protected:
    void wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent e(QPointF(at), QPointF(picture()->mapToGlobal(at)), QPoint(), angle,
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture(), &e);
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent e(type, QPointF(at), QPointF(picture()->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(picture(), &e);
    }
    // Pressed at `from`, moved in two steps to `from + by`, released there.
    void drag(Qt::MouseButton button, QPoint from, QPoint by) {
        mouse(QEvent::MouseButtonPress, button, button, from);
        mouse(QEvent::MouseMove, Qt::NoButton, button, from + by / 2);
        mouse(QEvent::MouseMove, Qt::NoButton, button, from + by);
        mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, from + by);
    }
    double xspan() { return state().view.xmax - state().view.xmin; }
    double yspan() { return state().view.ymax - state().view.ymin; }
};

TEST_F(WheelAndDrag, ANotchZoomsAboutThePointerAndAltTurnsItSideways) {
    const QPoint at = pixelOf(3, 2);
    const double x0 = xspan();
    const double y0 = yspan();
    wheel(at, {0, 120});
    EXPECT_NEAR(xspan(), x0 / 1.5, 1e-9);
    EXPECT_NEAR(yspan(), y0 / 1.5, 1e-9);
    EXPECT_LE((pixelOf(3, 2) - at).manhattanLength(), 1);
    EXPECT_EQ(findIn<QLineEdit>(window<InterForm>("interform"), "von_0")->text(),
              QString::fromStdString(fmtnum(state().view.xmin, state().grid.fmtx)));
    // Qt reports Alt+wheel as a horizontal turn.
    wheel(at, {-120, 0}, Qt::AltModifier);
    EXPECT_NEAR(xspan(), x0 / 1.5, 1e-9);
    EXPECT_NEAR(yspan(), y0, 1e-9);
    EXPECT_LE((pixelOf(3, 2) - at).manhattanLength(), 1);
}

TEST_F(WheelAndDrag, ZoomSperrenLocksTheWheelAndTheDrag) {
    trigger("mn_zoomtoggle");
    const double ymin = state().view.ymin;
    wheel(pixelOf(3, 2), {0, 120});
    drag(Qt::MiddleButton, pixelOf(0, 0), {40, -30});
    EXPECT_EQ(state().view.xmin, -10);
    EXPECT_EQ(state().view.ymin, ymin);
    EXPECT_EQ(xspan(), 20);
}

TEST_F(WheelAndDrag, AMiddleDragMovesTheViewByThePixelsDragged) {
    const QImage before = graphForm().picture().copy();
    const Viewport& v = state().view;
    const double perPixelX = v.tppx / v.xmu;
    const double perPixelY = v.tppy / v.ymu;
    const double ymin = state().view.ymin;
    const QPoint from = pixelOf(1, 1);
    mouse(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, from);
    mouse(QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, from + QPoint(40, -30));
    EXPECT_NE(graphForm().picture(), before); // live
    EXPECT_EQ(findIn<QLineEdit>(window<InterForm>("interform"), "von_0")->text(), "-10");
    mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, from + QPoint(40, -30));
    EXPECT_NEAR(state().view.xmin, -10 - 40 * perPixelX, 1e-9);
    EXPECT_NEAR(state().view.ymin, ymin - 30 * perPixelY, 1e-9);
    EXPECT_NEAR(xspan(), 20, 1e-9);
    EXPECT_EQ(pixelOf(1, 1), from + QPoint(40, -30));
    EXPECT_EQ(findIn<QLineEdit>(window<InterForm>("interform"), "von_0")->text(),
              QString::fromStdString(fmtnum(state().view.xmin, state().grid.fmtx)));
}

TEST_F(WheelAndDrag, NoParameterMovesDuringADragWithCouplingOn) {
    enterTerm(0, "x^2+a");
    trigger("mn_koppely"); // the left button too
    ASSERT_NE(paraWindow(8), nullptr);
    mdiArea()->setActiveSubWindow(paraWindow(8));
    ASSERT_EQ(state().activepar, 8);
    const double a = state().params[8].parvalue;
    drag(Qt::MiddleButton, pixelOf(0, 0), {30, 40});
    QTest::keyPress(picture(), Qt::Key_Space);
    drag(Qt::LeftButton, pixelOf(0, 0), {-20, 10});
    QTest::keyRelease(picture(), Qt::Key_Space);
    EXPECT_EQ(state().params[8].parvalue, a);
    EXPECT_NE(state().view.xmin, -10);
    // Without the space bar the left button couples again.
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, pixelOf(0, 4));
    EXPECT_NEAR(state().params[8].parvalue, 4, 0.05);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, pixelOf(0, 4));
}

} // namespace vestrano
