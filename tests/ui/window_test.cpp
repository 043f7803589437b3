#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>

#include "ui/main_window/qt_dialogs.h"
#include "window_fixture.h"

namespace vestrano {

TEST_F(Windows, StartShowsTheTermWindowAboveTheGraphWithTheirTextsAndTheKeysInTheFirstLine) {
    EXPECT_EQ(mother->focusWidget(), findIn<QLineEdit>(termForm(), "Text1_0"));
    EXPECT_EQ(mdiArea()->activeSubWindow(), &termWindow());
    EXPECT_EQ(mother->windowTitle(),
              "Vestrano - Graphen von Funktionen mit dynamischen Parametern");
    EXPECT_EQ(termForm().windowTitle(), "Funktionsterme");
    EXPECT_EQ(graphForm().windowTitle(), "Funktionenplotter");
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_1")->text(), "g(x) =");
    EXPECT_EQ(findIn<QLabel>(graphForm(), "Label2")->text(), "1:1");
    EXPECT_EQ(findIn<QLabel>(termForm(), "Label9")->text(), "Ok.");

    const QRect term = termWindow().geometry();
    const QRect graph = graphWindow().geometry();
    EXPECT_EQ(term.topLeft(), QPoint(0, 0));
    // As wide as one column of parameter windows (4740 twips) leaves.
    EXPECT_EQ(term.size(), QSize(mother->centralWidget()->width() - 4740 / 15, 131));
    EXPECT_EQ(graph.top(), term.bottom() + 1);
    EXPECT_EQ(graph.width(), term.width());
    EXPECT_EQ(graph.bottom(), mother->centralWidget()->height() - 1);
    EXPECT_EQ(state().busy, 0);
    EXPECT_GT(countPixels([](QRgb c) { return (c & 0xffffff) == 0xd2d2d2; }), 1000); // the grid
}

TEST_F(Windows, TermWindowKeepsItsHeightAndTheGraphItsLeastSize) {
    termWindow().resize(900, 400);
    EXPECT_EQ(termWindow().size(), QSize(900, 131));
    termWindow().resize(10, 10);
    EXPECT_EQ(termWindow().size(), QSize(337, 131));
    graphWindow().resize(10, 10);
    EXPECT_EQ(graphWindow().size(), QSize(167, 267));
    EXPECT_GT(state().view.picw, 0);
    mother->resize(120, 90);
    QApplication::processEvents();
    enterTerm(0, "x^2");
    EXPECT_EQ(state().status.text, "Ok.");
}

TEST_F(Windows, EnterOrAClickIntoTheLineInterpretsAndDraws) {
    enterTerm(0, "a*x^2+b");
    EXPECT_EQ(state().params[8].parname, "a");
    EXPECT_EQ(state().params[9].parname, "b");
    EXPECT_GT(bluePixels(), 100);

    auto* g = findIn<QLineEdit>(termForm(), "Text1_1");
    QTest::keyClicks(g, "x");
    QTest::keyRelease(g, Qt::Key_Return); // the Enter that closed a message box elsewhere
    EXPECT_TRUE(state().slots[1].engtext.empty());
    QTest::mouseClick(g, Qt::LeftButton);
    EXPECT_EQ(state().slots[1].engtext, "x");
}

TEST_F(Windows, UncheckingASlotGreysItsLineAndRemovesItsGraph) {
    enterTerm(0, "x^2/4");
    ASSERT_GT(bluePixels(), 100);
    QTest::mouseClick(findIn<QCheckBox>(termForm(), "Check1_0"), Qt::LeftButton);
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->palette().color(QPalette::Base),
              QColor(192, 192, 192));
    EXPECT_EQ(bluePixels(), 0);
    EXPECT_FALSE(state().slots[0].engtext.empty());
}

TEST_F(Windows, ASyntaxErrorShowsItsTextOnDarkRed) {
    enterTerm(1, "x*/2");
    auto* status = findIn<QLabel>(termForm(), "Label9");
    EXPECT_EQ(status->text(), "g(x): Ungültiger Term");
    EXPECT_EQ(status->palette().color(QPalette::Window), QColor(150, 0, 0));
    EXPECT_TRUE(state().slots[1].engtext.empty());
    enterTerm(1, "x/2");
    EXPECT_EQ(status->text(), "Ok.");
}

TEST_F(Windows, ClicksZoomAndPanAboutTheMousePoint) {
    const QPoint centre = pixelOf(0, 0);
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::ControlModifier, centre);
    EXPECT_NEAR(state().view.xmin, -6.667, 0.05);
    EXPECT_NEAR(state().view.xmax, 6.667, 0.05);

    const double ymin = state().view.ymin;
    const double yspan = state().view.ymax - state().view.ymin;
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::ShiftModifier, pixelOf(3, 2));
    EXPECT_NEAR(state().view.xmin, -6.667 - 3, 0.05);
    EXPECT_NEAR(state().view.ymin, ymin - 2, 0.1);
    EXPECT_NEAR(state().view.ymax - state().view.ymin, yspan, 1e-9);

    QTest::mouseClick(picture(), Qt::RightButton, Qt::ShiftModifier, pixelOf(0, 0));
    EXPECT_NEAR((state().view.xmin + state().view.xmax) / 2, 0, 0.05);
}

TEST_F(Windows, ArrowKeysScrollByOneAndFivePercent) {
    QTest::keyClick(picture(), Qt::Key_Right);
    EXPECT_DOUBLE_EQ(state().view.xmin, -9.8);
    QTest::keyClick(picture(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(state().view.xmin, -10.8);
    QTest::keyClick(picture(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_NEAR(state().view.xmax - state().view.xmin, 20 / 1.5, 1e-9);
}

TEST_F(Windows, LockedZoomIgnoresClicksButStillShowsThePosition) {
    trigger("mn_zoomtoggle");
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_zoomtoggle")->isChecked());
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::ControlModifier, pixelOf(0, 0));
    QTest::mouseClick(findIn<QLabel>(graphForm(), "Image1"), Qt::LeftButton);
    EXPECT_EQ(state().view.xmin, -10);
    // A move to where the cursor already is raises no event, so go somewhere else first.
    QTest::mouseMove(picture(), pixelOf(-3, -3));
    QTest::mouseMove(picture(), pixelOf(2.5, 1));
    EXPECT_TRUE(findIn<QLabel>(graphForm(), "Label1")->text().startsWith("   x: 2,5"));
}

TEST_F(Windows, BarsButtonsAndLabelsOfTheGraphWindow) {
    auto* h = findIn<QScrollBar>(graphForm(), "HScroll1");
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_DOUBLE_EQ(state().view.xmin, -9.8);
    EXPECT_EQ(h->value(), 0);
    const double ymin = state().view.ymin;
    const double yspan = state().view.ymax - state().view.ymin;
    findIn<QScrollBar>(graphForm(), "VScroll1")
        ->triggerAction(QAbstractSlider::SliderSingleStepSub); // up
    EXPECT_NEAR(state().view.ymin, ymin + yspan / 100, 1e-9);

    QTest::mouseClick(findIn<QLabel>(graphForm(), "Image1"), Qt::RightButton);
    EXPECT_NEAR(state().view.xmax - state().view.xmin, 30, 1e-9);
    QTest::mouseClick(findIn<QLabel>(graphForm(), "Label2"), Qt::RightButton);
    EXPECT_NEAR((state().view.xmax - state().view.xmin) / (state().view.ymax - state().view.ymin),
                state().view.picw / state().view.pich, 1e-9);
    QTest::mouseClick(findIn<QLabel>(graphForm(), "Label1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(dialogs.messages[0].text).startsWith("xm = "));
}

TEST_F(Windows, ModeSwitchTranslatesTheTermsAndCaptions) {
    enterTerm(0, "sin(x)+a");
    enterTerm(1, "f(x)*2");
    trigger("mn_kplot");
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->text(), "sin(t)+a");
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_1")->text(), "x(t)*2");
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_2")->text(), "y2(t) =");
    EXPECT_EQ(graphForm().windowTitle(), "Kurvenplotter");
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_kplot")->isChecked());
    EXPECT_FALSE(findIn<QAction>(*mother, "mn_fplot")->isChecked());
    trigger("mn_fplot");
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_1")->text(), "f(x)*2");
}

TEST_F(Windows, MenuCopiesTermsAndSetsTheAngleUnit) {
    enterTerm(0, "a*x");
    state().engine.ucSetVariableValueDbl(state().params[8].parhandle, 2);
    state().params[8].parvalue = 2;
    trigger("mn_paracopy");
    EXPECT_EQ(dialogs.clipboard, "f(x)=2*x");
    trigger("mn_copytermo");
    EXPECT_EQ(dialogs.clipboard, "f(x)=a*x");

    trigger("mn_deg");
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_deg")->isChecked());
    EXPECT_FALSE(findIn<QAction>(*mother, "mn_rad")->isChecked());
    EXPECT_DOUBLE_EQ(state().engine.ucEval("sin(90)"), 1.0);
}

// Both windows used to come back as empty frames.
TEST_F(Windows, ClosedWindowsComeBackWholeFromTheMenuAndQuitAsksNothing) {
    enterTerm(0, "sin(x)");
    const int blue = bluePixels(graphWindow().grab().toImage());
    ASSERT_GT(blue, 100);
    graphWindow().close();
    termWindow().close();
    EXPECT_FALSE(state().layout.graph.visible);
    EXPECT_FALSE(state().layout.term.visible);
    trigger("mn_graph");
    trigger("mn_term");
    QApplication::processEvents();
    for (const char* name : {"Picture1", "HScroll1", "VScroll1", "Image1"}) {
        EXPECT_TRUE(findIn<QWidget>(graphForm(), name)->isVisible()) << name;
    }
    for (const char* name : {"Text1_0", "Command1_2", "Check1_1", "Label9"}) {
        EXPECT_TRUE(findIn<QWidget>(termForm(), name)->isVisible()) << name;
    }
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->text(), "sin(x)");
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_0")->text(), "f(x) =");
    EXPECT_EQ(bluePixels(graphWindow().grab().toImage()), blue);
    mother->close();
    EXPECT_TRUE(dialogs.questions.empty());
}

// The box came back on every click, and the typing after it landed in another line.
TEST_F(Windows, AMessageFromTakingOverComesOnceAndTypingStaysInTheLine) {
    auto* f = findIn<QLineEdit>(termForm(), "Text1_0");
    auto* g = findIn<QLineEdit>(termForm(), "Text1_1");
    dialogs.whileShown = [f] { f->setFocus(); }; // where a closing box may hand the focus
    QTest::keyClicks(g, "min(1;2*x");
    for (QLineEdit* line : {g, g, f, g}) {
        QTest::mouseClick(line, Qt::LeftButton);
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Fehlerhafte Klammersetzung!");
    EXPECT_EQ(state().status.color, kErrorColor);
    EXPECT_EQ(mother->focusWidget(), g);

    QTest::keyClicks(g, "+1");
    QTest::mouseClick(g, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(mother->focusWidget(), g);
    EXPECT_EQ(f->text(), "");
}

TEST_F(Windows, ALongStatusEndsInDotsAndItsTipShowsAll) {
    termWindow().resize(10, 10);
    QApplication::processEvents();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        typeInto(slot, "x*/2");
    }
    auto* status = findIn<QLabel>(termForm(), "Label9");
    EXPECT_TRUE(status->text().endsWith(QChar(0x2026))) << status->text().toStdString();
    EXPECT_EQ(status->toolTip().toStdString(), state().status.text);
    EXPECT_EQ(state().status.text,
              "f(x): Ungültiger Term; g(x): Ungültiger Term; h(x): Ungültiger Term");
    const int height = status->height();
    termWindow().resize(1200, 10);
    QApplication::processEvents();
    EXPECT_EQ(status->text().toStdString(), state().status.text);
    EXPECT_EQ(status->height(), height);
}

TEST_F(Windows, AnyTextKeyOrClickLeavesAWorkingProgram) {
    const QStringList texts{"((",    "x^^2", "1/0",      "wurzel(-1)", "ä€ß", "f(x)", "g(x)+h(x)",
                            "[{x}]", "x;;",  "10^400*x", "fill",       "\t",  "a b c"};
    for (int i = 0; i < texts.size(); ++i) {
        typeInto(i % 3, texts[i]);
    }
    const std::vector<Qt::Key> keys{Qt::Key_Up, Qt::Key_Down, Qt::Key_Plus, Qt::Key_Minus,
                                    Qt::Key_X,  Qt::Key_Y,    Qt::Key_8,    Qt::Key_A};
    const std::vector<Qt::KeyboardModifiers> mods{Qt::NoModifier, Qt::ControlModifier,
                                                  Qt::ShiftModifier, Qt::AltModifier};
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(picture(), keys[i % keys.size()], mods[(i / 3) % mods.size()]);
        QTest::mouseClick(picture(), i % 2 ? Qt::LeftButton : Qt::RightButton,
                          mods[(i / 5) % mods.size()], QPoint(i * 37 % 400, i * 53 % 600));
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        enterTerm(slot, "x");
    }
    EXPECT_EQ(state().status.text, "Ok.");
    EXPECT_GT(state().view.xmax, state().view.xmin);
}

TEST(QtDialogs, ClipboardAndQtsOwnTextsInGerman) {
    QtDialogs dialogs;
    dialogs.setClipboardText("f(x)=2*x");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "f(x)=2*x");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
}

} // namespace vestrano
