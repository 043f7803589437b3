#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include "params/param_table.h"
#include "plot/fmtnum.h"
#include "ui/params/para.h"
#include "ui/params/para_clock.h"
#include "ui/params/parameter_list_window.h"
#include "window_fixture.h"

namespace vestrano {

namespace {

constexpr int a = 8;
constexpr int b = 9;

} // namespace

// The parabola family a*x^2+b*x+c with its three parameter windows.
class ParamWindows : public Windows {
  protected:
    ParamWindows() { enterTerm(0, "a*x^2+b*x+c"); }

    using Windows::window;
    QMdiSubWindow* window(int s) { return paraWindow(s); }
    template <class T> T* control(int s, const char* name) {
        T* widget = para(s) ? findIn<T>(*para(s), name) : nullptr;
        EXPECT_NE(widget, nullptr) << name << " of slot " << s;
        return widget;
    }

    void type(int s, const char* box, const QString& text) {
        auto* line = control<QLineEdit>(s, box);
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }
    QString shown(int s, const char* box) { return control<QLineEdit>(s, box)->text(); }
    QTimer* timer1() { return findIn<QTimer>(*mother, "Timer1"); }
    QString timergoCaption() { return findIn<QAction>(*mother, "mn_timergo")->text(); }

    // The timer dialog of slot s, opened by a right click on its clock and answered by `answer`.
    template <class Answer> void timerDialog(int s, Answer answer) {
        QTimer::singleShot(0, mother.get(), [this, answer] {
            auto* dialog = findIn<QDialog>(*mother, "Dialog");
            answer(*dialog);
            if (dialog->isVisible()) {
                dialog->reject(); // a dialog left open would block the test
            }
        });
        QTest::mouseClick(control<ParaClock>(s, "Image1"), Qt::RightButton);
    }
    void setStep(int s, const QString& step, int mode) {
        timerDialog(s, [step, mode](QDialog& d) {
            findIn<QComboBox>(d, "Combo1")->setCurrentIndex(mode);
            findIn<QLineEdit>(d, "Text1")->setText(step);
            findIn<QPushButton>(d, "OKButton")->click();
        });
    }
};

TEST_F(ParamWindows, EveryParameterGetsAWindowWithItsControls) {
    for (const auto& [s, caption] :
         {std::pair{a, "Parameter: a"}, {b, "Parameter: b"}, {10, "Parameter: c"}}) {
        ASSERT_NE(window(s), nullptr);
        EXPECT_TRUE(window(s)->isVisible());
        EXPECT_EQ(window(s)->windowTitle(), caption);
    }
    EXPECT_EQ(shown(a, "Text1"), "-10");
    EXPECT_EQ(shown(a, "Text2"), "10");
    EXPECT_EQ(shown(a, "Text3"), "1");
    EXPECT_EQ(control<QScrollBar>(a, "HScroll1")->value(), 550);
    EXPECT_EQ(control<QLineEdit>(a, "Text3")->palette().color(QPalette::Base),
              QColor(255, 255, 192));
    // Stacked right of the graph window from the bottom up, the highest slot lowest.
    EXPECT_EQ(window(a)->x(), graphWindow().geometry().right() + 1);
    EXPECT_EQ(window(10)->geometry().bottom(), mother->centralWidget()->height() - 1);
    EXPECT_NEAR(window(b)->geometry().bottom() + 1, window(10)->y(), 1);
    EXPECT_NEAR(window(a)->geometry().bottom() + 1, window(b)->y(), 1);
    EXPECT_EQ(window(a)->height(), 1250 / 15);

    mdiArea()->setActiveSubWindow(window(b));
    EXPECT_EQ(state().activepar, b);
}

TEST_F(ParamWindows, AllParametersComeInFrontWithTheLowestSlotFrontmost) {
    mother->resize(700, 500);
    mother->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mother.get()));
    QMdiArea* mdi = mdiArea();
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(300, 100));
        trigger("mn_para");
    }
    const QList<QMdiSubWindow*> stack = mdi->subWindowList(QMdiArea::StackingOrder);
    const auto place = [&](QMdiSubWindow* w) { return stack.indexOf(w); };
    const qsizetype covering = std::max(place(&graphWindow()), place(&termWindow()));
    EXPECT_GT(place(&window<ParameterList>("Parameter").window()), covering);
    EXPECT_GT(place(window(10)), covering);
    EXPECT_GT(place(window(b)), place(window(10)));
    EXPECT_GT(place(window(a)), place(window(b)));
    EXPECT_EQ(window(b)->x(), 0);
    EXPECT_EQ(mdi->activeSubWindow(), window(a));
}

TEST_F(ParamWindows, LowerBoundWindowsComeInFrontSideBySideWithTheirWholeCaption) {
    QMdiArea* mdi = mdiArea();
    const auto inFront = [&](int s) {
        const QList<QMdiSubWindow*> stack = mdi->subWindowList(QMdiArea::StackingOrder);
        return stack.indexOf(window(s)) > stack.indexOf(&graphWindow()) &&
               stack.indexOf(window(s)) > stack.indexOf(&termWindow());
    };
    trigger("mn_autoint");
    enterTerm(2, "F(x)");
    ASSERT_NE(window(2), nullptr);
    EXPECT_TRUE(window(2)->isVisible());
    EXPECT_TRUE(inFront(2));
    mdi->setActiveSubWindow(&graphWindow());
    graphWindow().raise();
    ASSERT_FALSE(inFront(2));
    trigger("mn_ugr");
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    const int buttons = 2 * window(0)->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (int s = 0; s < 3; ++s) {
        ASSERT_NE(window(s), nullptr);
        EXPECT_TRUE(window(s)->isVisible());
        EXPECT_TRUE(inFront(s)) << "slot " << s;
        EXPECT_GT(window(s)->width(), title.horizontalAdvance(window(s)->windowTitle()) + buttons);
        for (int t = 0; t < s; ++t) {
            EXPECT_FALSE(window(s)->geometry().intersects(window(t)->geometry())) << s << t;
        }
    }
    EXPECT_EQ(window(1)->windowTitle(), "ug = untere Grenze für Integralfunktion in g(x)");
    EXPECT_EQ(mdi->activeSubWindow(), &graphWindow());
}

TEST_F(ParamWindows, WindowsKeepTheirHeightTheLeastWidthAndCascade) {
    window(a)->resize(200, 300);
    EXPECT_EQ(window(a)->size(), QSize(4000 / 15 + 1, 1250 / 15));
    EXPECT_EQ(state().parawidth, 4005);
    enterTerm(1, "d");
    EXPECT_EQ(window(11)->width(), 267); // the last width

    QTest::mouseDClick(control<QLineEdit>(a, "Text2"), Qt::LeftButton);
    QTest::mouseRelease(control<QLineEdit>(a, "Text2"), Qt::LeftButton);
    for (const auto& [s, k] : {std::pair{b, 1}, {10, 2}, {11, 3}}) {
        EXPECT_EQ(window(s)->pos(), window(a)->pos() + QPoint(32 * k, 0)) << s;
    }
    QTest::mouseDClick(control<QLineEdit>(a, "Text1"), Qt::LeftButton);
    QTest::mouseRelease(control<QLineEdit>(a, "Text1"), Qt::LeftButton);
    EXPECT_EQ(window(11)->pos(), window(a)->pos() + QPoint(0, 48));
}

TEST_F(ParamWindows, DraggingTheBarMovesTheGraphAndItsEndsGiveTheBounds) {
    auto* bar = control<QScrollBar>(a, "HScroll1");
    const QImage before = graphForm().picture().copy();
    bar->setValue(750);
    EXPECT_EQ(state().params[a].parvalue, 5);
    EXPECT_EQ(shown(a, "Text3"), "5");
    EXPECT_NE(graphForm().picture(), before);
    bar->setValue(0);
    EXPECT_EQ(state().params[a].parvalue, -10);
    bar->setValue(1000);
    EXPECT_EQ(state().params[a].parvalue, 10);
    EXPECT_EQ(state().engine.ucEval("a"), 10);
}

// Keys after a click on the bar used to move the caret in a bound box and type into it; the
// arrows move the thumb their way.
TEST_F(ParamWindows, AClickOnTheBarGivesItTheKeys) {
    mother->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mother.get()));
    auto* bar = control<QScrollBar>(a, "HScroll1");
    control<QLineEdit>(a, "Text1")->setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 30, bar->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), bar);
    EXPECT_EQ(bar->value(), 560);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left}) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    QTest::keyClicks(QApplication::focusWidget(), "5-8,3");
    EXPECT_EQ(bar->value(), 571);
    EXPECT_EQ(shown(a, "Text3"), "1,42");
    EXPECT_EQ(shown(a, "Text1"), "-10");
    EXPECT_EQ(shown(a, "Text2"), "10");
    EXPECT_EQ(state().params[a].parmin, -10);
}

TEST_F(ParamWindows, TypedValuesAndBounds) {
    type(a, "Text3", "25");
    EXPECT_EQ(state().params[a].parvalue, 25);
    EXPECT_EQ(shown(a, "Text3"), "25");
    EXPECT_EQ(control<QScrollBar>(a, "HScroll1")->value(), 1000);
    for (const QString text : {"3,5", "7/2"}) {
        type(a, "Text3", text);
        EXPECT_EQ(state().params[a].parvalue, 3.5) << text.toStdString();
        EXPECT_EQ(shown(a, "Text3"), "3,5");
    }
    type(a, "Text3", "2*");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Die Eingabe ist keine gültige Zahl!");
    EXPECT_EQ(shown(a, "Text3"), "3,5");

    control<QLineEdit>(a, "Text1")->setText("5");
    type(a, "Text2", "5");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].title, "Ungültige Parametergrenzen von a:");
    EXPECT_EQ(shown(a, "Text1"), "-10");
    EXPECT_EQ(shown(a, "Text2"), "10");
    type(a, "Text1", "0");
    EXPECT_EQ(state().params[a].parmin, 0);
    EXPECT_EQ(control<QScrollBar>(a, "HScroll1")->value(), 350);
}

TEST_F(ParamWindows, ATimerStepsItsParameterOnEveryTick) {
    setStep(a, "30", 1);
    EXPECT_EQ(dialogs.messages.at(0).text, "Schrittweite ist größer als das Intervall!");
    EXPECT_EQ(state().params[a].parstep, 0);
    setStep(a, "1", 1);
    EXPECT_EQ(state().params[a].parstep, 1);
    EXPECT_EQ(state().params[a].parmode, 1);
    timerDialog(a, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Timer für a");
        // Beside a window in the right-hand column it stays on the screen.
        EXPECT_TRUE(d.screen()->availableGeometry().contains(d.frameGeometry()))
            << d.frameGeometry().x();
        EXPECT_EQ(findIn<QLineEdit>(d, "Text1")->text(), "1");
        EXPECT_EQ(findIn<QComboBox>(d, "Combo1")->currentText(), "Richtungsumkehr");
    });

    QTest::mouseClick(control<ParaClock>(a, "Image1"), Qt::LeftButton);
    EXPECT_TRUE(control<ParaClock>(a, "Image1")->running());
    EXPECT_FALSE(control<QLineEdit>(a, "Text3")->isEnabled());
    EXPECT_TRUE(timer1()->isActive());
    EXPECT_EQ(timergoCaption(), "Alle &Timer anhalten");
    timer1()->blockSignals(true); // only the ticks below
    mother->timer1Tick();
    mother->timer1Tick();
    EXPECT_EQ(shown(a, "Text3"), "3");
    EXPECT_EQ(control<QScrollBar>(a, "HScroll1")->value(), 650);
    timer1()->blockSignals(false);

    // Timer1 itself keeps it going.
    for (int i = 0; i < 100 && state().params[a].parvalue == 3; ++i) {
        QTest::qWait(5);
    }
    EXPECT_NE(state().params[a].parvalue, 3);

    QTest::mouseClick(control<ParaClock>(a, "Image1"), Qt::LeftButton);
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_TRUE(control<QLineEdit>(a, "Text3")->isEnabled());
    EXPECT_EQ(timergoCaption(), "Alle &Timer gleichzeitig starten");
}

TEST_F(ParamWindows, ClosingAWindowStopsItsTimerAndTheListBringsItBack) {
    setStep(a, "0,5", 0);
    setStep(b, "1", 0);
    trigger("mn_timergo");
    EXPECT_EQ(state().timerlist, (std::string{char(a), char(b)}));
    timer1()->blockSignals(true);
    window(a)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window(a), nullptr);
    EXPECT_THROW(findIn<QWidget>(*mother, "para_8"), std::runtime_error);
    const double value = state().params[a].parvalue;
    mother->timer1Tick();
    EXPECT_EQ(state().params[a].parvalue, value);
    EXPECT_EQ(state().params[b].parvalue, 2);
    window(b)->close();
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(timergoCaption(), "Alle &Timer gleichzeitig starten");
    timer1()->blockSignals(false);

    trigger("mn_spal");
    auto* list = findIn<QListWidget>(window<ParameterList>("Parameter"), "List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    list->item(0)->setCheckState(Qt::Checked);
    ASSERT_NE(window(a), nullptr);
    EXPECT_TRUE(window(a)->isVisible());
    EXPECT_EQ(shown(a, "Text3"), QString::fromStdString(formatParamValue(value)));
    EXPECT_EQ(state().activepar, a);
}

TEST_F(ParamWindows, TheListShowsAndHidesTheWindows) {
    trigger("mn_spal");
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_spal")->isChecked());
    auto* list = findIn<QListWidget>(window<ParameterList>("Parameter"), "List1");
    auto* button = findIn<QPushButton>(window<ParameterList>("Parameter"), "Command1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), "b");
    EXPECT_EQ(button->text(), "&Keine");
    EXPECT_EQ(state().paramlist.listHeight, 811);
    EXPECT_EQ(window<ParameterList>("Parameter").window().height(), (360 + 811 + 400 + 7) / 15);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(192, 255, 255));

    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(window(b)->isVisible());
    EXPECT_EQ(button->text(), "&Alle");
    button->click();
    EXPECT_TRUE(window(b)->isVisible());
    EXPECT_EQ(button->text(), "&Keine");

    // A new parameter comes into the shown list at once.
    enterTerm(1, "d*x");
    EXPECT_EQ(list->count(), 4);
    window<ParameterList>("Parameter").window().close();
    EXPECT_FALSE(window<ParameterList>("Parameter").window().isVisible());
    EXPECT_FALSE(findIn<QAction>(*mother, "mn_spal")->isChecked());
}

TEST_F(ParamWindows, AllStepsAndTimersEndWithATermEdit) {
    setStep(a, "1", 0);
    trigger("mn_timergo");
    ASSERT_TRUE(timer1()->isActive());
    enterTerm(0, "a*x^2");
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(state().params[a].parstep, 0);
    EXPECT_TRUE(control<QLineEdit>(a, "Text3")->isEnabled());
    EXPECT_FALSE(window(b)->isVisible());
    trigger("mn_timergo"); // nothing has a step now
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_EQ(timergoCaption(), "Alle &Timer gleichzeitig starten");
}

TEST_F(ParamWindows, CouplingTheMouseToTheParameterAndTheLowerBounds) {
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_koppel")->isChecked());
    EXPECT_FALSE(findIn<QAction>(*mother, "mn_koppely")->isChecked());
    trigger("mn_koppely");
    EXPECT_EQ(state().options.couplemode, 3);
    // The left button drags the active parameter to the mouse's height.
    mdiArea()->setActiveSubWindow(window(10));
    QTest::mousePress(picture(), Qt::LeftButton, {}, pixelOf(0, 4));
    const double c = state().params[10].parvalue;
    EXPECT_NEAR(c, 4, 0.05);
    EXPECT_EQ(shown(10, "Text3"), QString::fromStdString(fmtnum(c, "0.##")));
    QTest::mouseRelease(picture(), Qt::LeftButton, {}, pixelOf(0, 4));
    EXPECT_NEAR(control<QScrollBar>(10, "HScroll1")->value(), 700, 3);
    trigger("mn_ugr");
    ASSERT_NE(window(0), nullptr);
    EXPECT_TRUE(window(0)->isVisible());
    EXPECT_TRUE(control<QLineEdit>(0, "Text1")->isReadOnly());
    EXPECT_EQ(control<QLineEdit>(0, "Text3")->palette().color(QPalette::Base),
              QColor(255, 192, 128));
}

} // namespace vestrano
