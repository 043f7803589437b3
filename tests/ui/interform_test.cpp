#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/main_window/interform.h"
#include "window_fixture.h"

namespace vestrano {

class IntervalWindowTest : public Windows {
  protected:
    QMdiSubWindow& sub() { return window<InterForm>("interform").window(); }
    // Controls of the intervals window; the term window has a Command1_0 of its own.
    template <class T> T* control(const QString& name) {
        return findIn<T>(window<InterForm>("interform"), qPrintable(name));
    }
    QLineEdit* box(const char* side, int i) {
        return control<QLineEdit>(QString(side) + "_" + QString::number(i));
    }
    std::string text(const char* name) {
        QWidget* w = control<QWidget>(name);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text().toStdString();
        }
        return qobject_cast<QPushButton*>(w)->text().toStdString();
    }
    void type(QLineEdit* line, const QString& text) {
        line->selectAll();
        QTest::keyClicks(line, text);
    }
};

TEST_F(IntervalWindowTest, TheMenuShowsItWithEveryControl) {
    trigger("mn_inter");
    QApplication::processEvents();
    EXPECT_TRUE(sub().isVisible());
    EXPECT_EQ(sub().windowTitle(), "Intervalle");
    for (int i = 0; i < 6; ++i) {
        box("von", i);
        box("bis", i);
        control<QLabel>("Label4_" + QString::number(i));
    }
    for (const char* name : {"Label1", "Label2", "Label3", "Label5", "Command1_0", "Command1_1",
                             "Command1_2", "Command2", "Command3", "Command6"}) {
        control<QWidget>(name);
    }
}

TEST_F(IntervalWindowTest, TypedRangesAreTakenOverAndTheBoxesFollowScrolling) {
    trigger("mn_inter");
    type(box("von", 0), "-1");
    type(box("bis", 0), "1,5");
    QTest::keyClick(box("bis", 0), Qt::Key_Return); // swallowed
    EXPECT_DOUBLE_EQ(state().view.xmax, 10);
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(state().view.xmin, -1);
    EXPECT_DOUBLE_EQ(state().view.xmax, 1.5);
    EXPECT_EQ(box("bis", 0)->text().toStdString(), "1,5");
    EXPECT_TRUE(dialogs.messages.empty());

    QTest::mouseClick(control<QPushButton>("Command1_0"), Qt::LeftButton);
    findIn<QScrollBar>(graphForm(), "HScroll1")->setValue(2);
    EXPECT_EQ(box("von", 0)->text().toStdString(), "-4,8");
    EXPECT_EQ(box("bis", 0)->text().toStdString(), "5,2");
}

TEST_F(IntervalWindowTest, TheTRowOnlyInCurveModeAndClosingHides) {
    trigger("mn_inter");
    QApplication::processEvents();
    EXPECT_FALSE(box("von", 2)->isVisible());
    EXPECT_TRUE(box("von", 5)->isVisible());
    trigger("mn_kplot");
    QApplication::processEvents();
    EXPECT_TRUE(box("von", 2)->isVisible());
    EXPECT_FALSE(control<QLabel>("Label5")->isVisible());

    trigger("mn_fplot");
    type(box("von", 3), "keep");
    sub().close();
    QApplication::processEvents();
    EXPECT_FALSE(sub().isVisible());
    EXPECT_FALSE(state().intervals.frame.visible);
    trigger("mn_inter");
    QApplication::processEvents();
    EXPECT_TRUE(sub().isVisible());
    EXPECT_EQ(box("von", 3)->text().toStdString(), "keep");
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
    EXPECT_FALSE(sub().isVisible());
}

TEST_F(IntervalWindowTest, TheAspectButtonAdaptsYWithTheLeftAndXWithTheRightButton) {
    trigger("mn_inter");
    auto* aspect = control<QPushButton>("Command3");
    const Viewport& v = state().view;
    state().view.ymin = -4;
    state().view.ymax = 4;
    QTest::mouseClick(aspect, Qt::RightButton);
    EXPECT_NEAR(v.xspan / v.picw, v.yspan / v.pich, 1e-12);
    EXPECT_DOUBLE_EQ(v.ymin, -4);
    EXPECT_EQ(box("von", 0)->text().toStdString(), state().intervals.von[0]);
    EXPECT_NE(state().intervals.von[0], "-10");
    state().view.xmin = -10;
    state().view.xmax = 10;
    QTest::mouseClick(aspect, Qt::LeftButton);
    EXPECT_NEAR(v.xspan / v.picw, v.yspan / v.pich, 1e-12);
    EXPECT_DOUBLE_EQ(v.xmin, -10);
    EXPECT_EQ(box("bis", 1)->text().toStdString(), state().intervals.bis[1]);
}

} // namespace vestrano
