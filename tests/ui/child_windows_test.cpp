// The term, graph and parameter windows as the main window arranges them.

#include <QMdiArea>

#include "window_fixture.h"

namespace vestrano {

class ChildWindows : public Windows {
  protected:
    QMdiSubWindow& graph() { return graphWindow(); }
    QMdiSubWindow& term() { return termWindow(); }
    QMdiSubWindow* para(int s) { return paraWindow(s); }
    int clientWidth() { return mother->findChild<QMdiArea*>()->viewport()->width(); }
    int clientHeight() { return mother->findChild<QMdiArea*>()->viewport()->height(); }
    int graphRight() { return graph().geometry().right() + 1; }
    void resize(QMdiSubWindow& window, int dw) {
        window.resize(window.width() + dw, window.height());
        QApplication::processEvents();
    }
};

TEST_F(ChildWindows, TheStartGivesTheGraphAllButOneColumnOfParameterWindows) {
    // 1280 pixels are far more than the term window's designed 472.
    EXPECT_EQ(graphRight() + 4740 / 15, clientWidth());

    enterTerm(0, "a*x");
    ASSERT_NE(para(kFirstFreeParam), nullptr);
    EXPECT_EQ(para(kFirstFreeParam)->x(), graphRight());
    EXPECT_EQ(para(kFirstFreeParam)->geometry().right() + 1, clientWidth());
}

TEST_F(ChildWindows, ArrangedParameterWindowsFollowTheTermAndGraphWindowsTheUserResizes) {
    enterTerm(0, "a*x+b");
    QMdiSubWindow* a = para(kFirstFreeParam);
    QMdiSubWindow* b = para(kFirstFreeParam + 1);
    ASSERT_TRUE(a && b);

    resize(graph(), -200);
    EXPECT_EQ(a->x(), graphRight());
    EXPECT_EQ(b->x(), graphRight());
    resize(graph(), 120);
    EXPECT_EQ(a->x(), graphRight());

    a->move(0, 0); // moved away by the user, back with the next resize
    resize(term(), 40);
    EXPECT_EQ(a->x(), graphRight());

    mother->findChild<QAction*>("mn_pardock")->trigger(); // no longer arranged
    ASSERT_FALSE(state().menu.pardock);
    a->move(10, 20);
    resize(graph(), -100);
    EXPECT_EQ(a->pos(), QPoint(10, 20));
}

// The program ends with every window open, one maximized and a wrong count of decimals typed:
// the windows go without reaching the state or the main window after they are gone, and
// without a message about what was typed.
TEST_F(ChildWindows, TheProgramEndsWithEveryWindowOpen) {
    enterTerm(0, "a*x");
    for (const char* item :
         {"mn_calc", "mn_col", "mn_asy", "mn_punkt", "mn_inter", "mn_spal", "mn_groptions",
          "mn_axeoptions", "mn_zoomoptions", "mn_ugr", "mn_hlpm"}) {
        trigger(item);
    }
    ASSERT_TRUE(paraWindow(0) && paraWindow(kFirstFreeParam));
    graph().showMaximized();
    auto* decimals = findIn<QLineEdit>(window("minicalc"), "Text2");
    mdiArea()->setActiveSubWindow(&window<QMdiSubWindow>("minicalc_window"));
    decimals->setFocus();
    QTest::keyClicks(decimals, "7");
    QApplication::processEvents();
    mother.reset();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
}

// Both used to come back where they were closed, reaching out of the smaller main window.
TEST_F(ChildWindows, WindowsClosedWhileTheMainWindowShrinksComeBackArrangedInIt) {
    term().close();
    graph().close();
    mother->resize(700, 500);
    QApplication::processEvents();
    trigger("mn_term");
    trigger("mn_graph");
    QApplication::processEvents();

    EXPECT_LE(term().geometry().right() + 1, clientWidth());
    // Arranged without the term window, the graph took the whole height.
    EXPECT_EQ(graph().geometry(), QRect(0, 0, term().width(), clientHeight()));
}

// A drag by the mouse reports a move along with the new size.
TEST_F(ChildWindows, ArrangedParameterWindowsFollowAGraphWindowDraggedNarrower) {
    enterTerm(0, "a*x");
    QMdiSubWindow* a = para(kFirstFreeParam);
    ASSERT_TRUE(a);
    const QPoint edge(graph().width() - 2, graph().height() / 2);
    QTest::mouseMove(&graph(), edge);
    QTest::mousePress(&graph(), Qt::LeftButton, {}, edge);
    QTest::mouseMove(&graph(), edge - QPoint(50, 0));
    QTest::mouseMove(&graph(), edge - QPoint(100, 0));
    QTest::mouseRelease(&graph(), Qt::LeftButton, {}, edge - QPoint(100, 0));
    QApplication::processEvents();
    EXPECT_EQ(a->x(), graphRight());
    EXPECT_LT(graphRight(), clientWidth() - a->width());
}

} // namespace vestrano
