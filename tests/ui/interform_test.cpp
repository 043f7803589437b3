#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "ui/main_window/interform.h"
#include "window_fixture.h"

namespace vestrano {

class IntervalWindowTest : public Windows {
  protected:
    QMdiSubWindow& sub() { return mother->intervals().window(); }
    // Controls of the intervals window; the term window has a Command1_0 of its own.
    template <class T> T* control(const QString& name) {
        T* widget = mother->intervals().findChild<T*>(name);
        if (!widget) {
            throw std::runtime_error("no control named " + name.toStdString());
        }
        return widget;
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

TEST_F(IntervalWindowTest, EveryControlHasItsNameAndCaption) {
    trigger("mn_inter");
    QApplication::processEvents();
    EXPECT_TRUE(sub().isVisible());
    EXPECT_EQ(sub().windowTitle(), "Intervalle");
    const char* rows[] = {"x-Bereich", "y-Bereich", "t-Bereich", "f(x)", "g(x)", "h(x)"};
    for (int i = 0; i < 6; ++i) {
        box("von", i);
        box("bis", i);
        EXPECT_EQ(text(qPrintable("Label4_" + QString::number(i))), rows[i]);
    }
    EXPECT_EQ(text("Label1"), "untere Grenze");
    EXPECT_EQ(text("Label2"), "obere Grenze");
    EXPECT_EQ(text("Label3"), "Standard");
    EXPECT_EQ(text("Label5"), "Zusätzliche graphische Einschränkungen für");
    EXPECT_EQ(text("Command1_0"), "[ - 5 ; 5 ]");
    EXPECT_EQ(text("Command1_2"), "[ 0 ; 10 ]");
    EXPECT_EQ(text("Command2"), "&Übernehmen");
    EXPECT_EQ(text("Command3"), "1:1");
    EXPECT_EQ(text("Command6"), "&Schließen");
    // In the "Fenster" menu right before the graph window's item.
    const QList<QAction*> items = find<QMenu>("mn_win")->actions();
    const auto at = [&](const char* name) {
        return std::find_if(items.begin(), items.end(),
                            [&](QAction* a) { return a->objectName() == name; }) -
               items.begin();
    };
    EXPECT_EQ(at("mn_inter") + 1, at("mn_graph"));
    EXPECT_EQ(find<QAction>("mn_inter")->text(), "&Intervalle");
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
    find<QScrollBar>("HScroll1")->setValue(2);
    EXPECT_EQ(box("von", 0)->text().toStdString(), "-4,8");
    EXPECT_EQ(box("bis", 0)->text().toStdString(), "5,2");

    type(box("von", 1), "2");
    type(box("bis", 1), "2");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Falsche Reihenfolge");
    EXPECT_EQ(box("von", 1)->text().toStdString(), "2"); // as typed
}

TEST_F(IntervalWindowTest, TheTRowOnlyInCurveModeAndClosingHides) {
    trigger("mn_inter");
    QApplication::processEvents();
    EXPECT_FALSE(box("von", 2)->isVisible());
    EXPECT_TRUE(box("von", 5)->isVisible());
    const int functionsHeight = sub().height();
    const int buttonsFunctions = control<QPushButton>("Command2")->y();
    trigger("mn_kplot");
    QApplication::processEvents();
    EXPECT_TRUE(box("von", 2)->isVisible());
    EXPECT_FALSE(control<QLabel>("Label5")->isVisible());
    EXPECT_LT(sub().height(), functionsHeight);
    EXPECT_LT(control<QPushButton>("Command2")->y(), buttonsFunctions);
    // The restriction rows lie below the window's end.
    EXPECT_GE(box("von", 3)->y(), mother->intervals().height());

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
    // The keyboard clicks it like the left button.
    state().view.ymin = -1;
    state().view.ymax = 1;
    aspect->setFocus();
    QTest::keyClick(aspect, Qt::Key_Space);
    EXPECT_NEAR(v.xspan / v.picw, v.yspan / v.pich, 1e-12);
    EXPECT_DOUBLE_EQ(v.xmin, -10);
}

} // namespace vestrano
