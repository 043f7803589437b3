#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/calculator/minicalc.h"
#include "ui/params/para.h"
#include "window_fixture.h"

namespace vestrano {

namespace {

constexpr int a = 8; // the first free parameter slot

} // namespace

// The calculator brought forward from the menu, with the term a*x giving the parameter a.
class CalculatorWindow : public Windows {
  protected:
    CalculatorWindow() {
        enterTerm(0, "a*x");
        trigger("mn_calc");
    }

    template <class T> T* control(const char* name) { return findIn<T>(window("minicalc"), name); }
    QMdiSubWindow& calcWindow() { return window<QMdiSubWindow>("minicalc_window"); }
    // The whole result: a narrow window shows its start and the tip the rest.
    QString result() {
        const QLabel* label = control<QLabel>("Label1");
        return label->toolTip().isEmpty() ? label->text() : label->toolTip();
    }

    void type(const char* box, const QString& text) { typeOver(control<QLineEdit>(box), text); }
};

TEST_F(CalculatorWindow, TheMenuShowsItInFrontWithEveryControl) {
    EXPECT_TRUE(calcWindow().isVisible());
    EXPECT_EQ(mdiArea()->activeSubWindow(), &calcWindow());
    EXPECT_EQ(calcWindow().windowTitle(), "Taschenrechner");
    EXPECT_EQ(control<QPushButton>("Command1")->text(), "=");
    EXPECT_EQ(control<QPushButton>("Command3")->text(), "&Löschen");
    EXPECT_EQ(control<QPushButton>("Command2")->text(), "Schließen");
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Genauigkeit:");
    EXPECT_EQ(control<QLineEdit>("Text2")->text(), "3");
    EXPECT_EQ(result(), ""); // nothing typed, nothing to report
    EXPECT_TRUE(control<QLineEdit>("Text1")->hasFocus());
}

TEST_F(CalculatorWindow, TheResultFollowsTheParameterItsBarAndItsTimer) {
    type("Text1", "2*a+pi");
    EXPECT_EQ(result(), "5.142");
    EXPECT_TRUE(control<QLineEdit>("Text1")->hasFocus());

    auto* bar = findIn<QScrollBar>(*para(a), "HScroll1");
    ASSERT_NE(bar, nullptr);
    bar->setValue(750); // a = 5
    EXPECT_EQ(result(), "13.142");

    state().params[a].parstep = 0.5;
    trigger("mn_timergo");
    findIn<QTimer>(*mother, "Timer1")->blockSignals(true); // only the ticks below
    mother->timer1Tick();
    mother->timer1Tick();
    EXPECT_EQ(state().params[a].parvalue, 6);
    EXPECT_EQ(result(), "15.142");
    trigger("mn_timergo");

    // A new term set keeps the parameter; one without it makes the name unknown.
    enterTerm(0, "x");
    EXPECT_EQ(result(), "Error: Syntax");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CalculatorWindow, ButtonsCalculateClearAndHide) {
    QTest::keyClicks(control<QLineEdit>("Text1"), "1/30");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(result(), "0.033");
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "");
    EXPECT_EQ(result(), "");
    type("Text1", "1,5*2");
    EXPECT_EQ(result(), "3");
    EXPECT_EQ(control<QLabel>("Label1")->toolTip(), "");
    // Digits cut off by the edge would show a wrong number.
    type("Text1", "-1E20/3");
    EXPECT_TRUE(control<QLabel>("Label1")->text().endsWith("…"));
    EXPECT_EQ(control<QLabel>("Label1")->toolTip(), "-3.33333333333333E+19");
    calcWindow().resize(800, calcWindow().height());
    EXPECT_EQ(control<QLabel>("Label1")->text(), "-3.33333333333333E+19");
    EXPECT_EQ(control<QLabel>("Label1")->toolTip(), "");
    type("Text1", "1,5*2");

    const QPoint place = calcWindow().pos();
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(calcWindow().isVisible());
    trigger("mn_calc");
    calcWindow().close();
    EXPECT_FALSE(calcWindow().isVisible());
    trigger("mn_calc");
    EXPECT_TRUE(calcWindow().isVisible());
    EXPECT_EQ(calcWindow().pos(), place);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "1,5*2");
    EXPECT_EQ(result(), "3");
}

// Which counts are taken is the core's matter; the window shows the count in force again.
TEST_F(CalculatorWindow, ARefusedCountComesBackSelectedAndTheMessageOnlyOnce) {
    type("Text1", "2*pi");
    type("Text2", "5");
    EXPECT_EQ(result(), "6.28319");
    type("Text2", "23");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Ungültige Stellenzahl!");
    EXPECT_TRUE(control<QLineEdit>("Text2")->hasFocus());
    EXPECT_EQ(control<QLineEdit>("Text2")->selectedText(), "5");

    // Leaving the box takes its count too; an Enter released there that went down in a
    // message box does not bring the message back.
    type("Text2", "30");
    dialogs.messages.clear();
    control<QLineEdit>("Text2")->setText("4");
    control<QLineEdit>("Text1")->setFocus();
    EXPECT_EQ(state().options.calc, 4);
    EXPECT_EQ(result(), "6.2832");
    control<QLineEdit>("Text2")->setFocus();
    control<QLineEdit>("Text2")->setText("99");
    QTest::keyRelease(control<QLineEdit>("Text2"), Qt::Key_Return);
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace vestrano
