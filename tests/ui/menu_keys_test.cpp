// The keys of the menu while a box of some window has the focus.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>

#include <map>

#include "ui/params/para.h"
#include "window_fixture.h"

namespace vestrano {

// A term with the parameter a and the collection window open, so that its editing items and
// their keys are in the menu.
class MenuShortcuts : public Windows {
  protected:
    std::map<QString, int> runs; // of each menu item with a key
    QList<QAction*> keyed;

    MenuShortcuts() {
        QTest::keyClicks(termLine(), "a*x");
        QTest::keyClick(termLine(), Qt::Key_Return);
        EXPECT_NE(paraBox(), nullptr);
        mother->findChild<QAction*>("mn_col")->trigger();
        mother->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(mother.get()));
        for (QAction* action : mother->menuBar()->findChildren<QAction*>()) {
            // Undo and redo have their own test: here they would take the term back.
            const bool history =
                action->objectName() == "mn_undo" || action->objectName() == "mn_redo";
            if (!action->shortcut().isEmpty() && !history) {
                keyed.push_back(action);
                QObject::connect(action, &QAction::triggered, mother.get(),
                                 [this, action] { ++runs[action->objectName()]; });
            }
        }
    }

    QLineEdit* termLine() { return findIn<QLineEdit>(termForm(), "Text1_0"); }
    QLineEdit* paraBox() {
        Para* a = para(kFirstFreeParam);
        return a ? findIn<QLineEdit>(*a, "Text3") : nullptr;
    }
    QListWidget* list() { return findIn<QListWidget>(window<Sammlung>("sammlung"), "List1_0"); }

    void focus(QWidget* box) {
        for (QWidget* w = box; w; w = w->parentWidget()) {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
                mother->findChild<QMdiArea*>()->setActiveSubWindow(sub);
            }
        }
        box->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), box);
    }
    void press(QWidget* box, QKeyCombination keys) {
        focus(box);
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    }
};

TEST_F(MenuShortcuts, EveryMenuKeyRunsItsItemWhateverBoxHasTheFocus) {
    ASSERT_EQ(keyed.size(), 10); // Ctrl+H, N, A, U, K, E, D, Y, L; Ctrl+Shift+K
    for (QWidget* box : std::initializer_list<QWidget*>{termLine(), paraBox(), list()}) {
        ASSERT_NE(box, nullptr);
        for (QAction* action : keyed) {
            const QString name = action->objectName();
            const int before = runs[name];
            press(box, action->shortcut()[0]);
            EXPECT_EQ(runs[name], before + 1)
                << name.toStdString() << " from " << box->objectName().toStdString();
        }
    }
    // The line's own bindings of Ctrl+E (end of line) and Ctrl+K (cut to the end) did nothing.
    EXPECT_EQ(termLine()->text(), "a*x");
}

TEST_F(MenuShortcuts, KeysTheMenuDoesNotUseKeepTheirMeaningInTheBox) {
    QLineEdit* line = termLine();
    focus(line);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a*x");
    QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "");
    QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "a*x");
    line->end(false);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "a*xa*x");

    // Without the collection window its items and keys are gone: Ctrl+A selects the line.
    window<Sammlung>("sammlung").window().close();
    QApplication::processEvents();
    ASSERT_FALSE(mother->findChild<QAction*>("mn_einakt")->isVisible());
    line->deselect();
    press(line, QKeyCombination(Qt::ControlModifier, Qt::Key_A));
    EXPECT_EQ(line->selectedText(), "a*xa*x");
    EXPECT_EQ(runs["mn_einakt"], 0);
}

} // namespace vestrano
