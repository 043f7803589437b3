// Undo and redo from the edit menu, by their keys, in the term window.

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>

#include "window_fixture.h"

namespace vestrano {

class UndoKeys : public Windows {
  protected:
    QAction& item(const char* name) { return *findIn<QAction>(*mother, name); }

    void pressIn(QLineEdit* line, Qt::KeyboardModifiers modifiers) {
        mdiArea()->setActiveSubWindow(&termWindow());
        line->setFocus();
        QApplication::processEvents();
        QTest::keyClick(line, Qt::Key_Z, modifiers);
    }
};

// Strg+Z in a line whose typing was taken over undoes the take-over, with the step named in
// the menu; Strg+Umschalt+Z does it again.
TEST_F(UndoKeys, MenuKeysUndoAndRedoATakeOver) {
    EXPECT_FALSE(item("mn_undo").isEnabled());
    EXPECT_EQ(item("mn_undo").text(), "Rückgängig");
    enterTerm(0, "x^2");
    enterTerm(0, "x^3");
    EXPECT_EQ(item("mn_undo").text(), "Rückgängig: f(x) übernehmen");
    ASSERT_TRUE(item("mn_undo").isEnabled());
    EXPECT_FALSE(item("mn_redo").isEnabled());

    pressIn(termLine(0), Qt::ControlModifier);
    EXPECT_EQ(state().slots[0].text, "x^2");
    EXPECT_EQ(termLine(0)->text(), "x^2");
    EXPECT_EQ(item("mn_redo").text(), "Wiederholen: f(x) übernehmen");
    ASSERT_TRUE(item("mn_redo").isEnabled());

    pressIn(termLine(0), Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state().slots[0].text, "x^3");
    EXPECT_EQ(termLine(0)->text(), "x^3");
    EXPECT_FALSE(item("mn_redo").isEnabled());
}

// Typing not yet taken over is undone by the line itself; the plot's steps stay, and what the
// line shows is what a take-over would read.
TEST_F(UndoKeys, LineUndoesItsTypingFirst) {
    enterTerm(0, "x^2");
    QLineEdit* line = termLine(0);
    line->end(false);
    QTest::keyClicks(line, "+1");
    pressIn(line, Qt::ControlModifier);
    EXPECT_EQ(line->text(), "x^2");
    EXPECT_EQ(state().slots[0].text, "x^2");
    EXPECT_EQ(state().slots[0].taken, "x^2");
    EXPECT_EQ(item("mn_undo").text(), "Rückgängig: f(x) übernehmen");

    // Taken over, the next Strg+Z belongs to the menu again.
    QTest::keyClick(line, Qt::Key_Return);
    pressIn(line, Qt::ControlModifier);
    EXPECT_EQ(state().slots[0].text, "");
}

} // namespace vestrano
