#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/collection/sammlung.h"
#include "window_fixture.h"

namespace vestrano {

class SammlungTest : public Windows {
  protected:
    QMdiSubWindow& sub() { return window<Sammlung>("sammlung").window(); }
    template <class T> T* control(const char* name) {
        return findIn<T>(window<Sammlung>("sammlung"), name);
    }
    void add(const std::string& title, const std::string& terms) {
        CollectionEntry entry;
        entry.fields[EntryField::Title] = title;
        entry.fields[EntryField::Terms] = terms;
        state().collection.entries.push_back(entry);
    }
    void show() {
        trigger("mn_col");
        QApplication::processEvents();
    }
    bool itemVisible(const char* name) { return findIn<QAction>(*mother, name)->isVisible(); }
};

TEST_F(SammlungTest, ClosingHidesTheWindowAndItsMenuItemsButKeepsTheBoxes) {
    EXPECT_FALSE(itemVisible("mn_clr"));
    show();
    EXPECT_TRUE(sub().isVisible());
    EXPECT_TRUE(sub().windowTitle().startsWith("Sammlung: "));
    EXPECT_TRUE(itemVisible("mn_newentry"));
    EXPECT_TRUE(itemVisible("mn_clr"));
    QTest::keyClicks(control<QPlainTextEdit>("txt_0"), "Notiz");
    sub().close();
    QApplication::processEvents();
    EXPECT_FALSE(sub().isVisible());
    EXPECT_FALSE(itemVisible("mn_clr"));
    show();
    EXPECT_EQ(control<QPlainTextEdit>("txt_0")->toPlainText(), "Notiz");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(sub().isVisible());
}

TEST_F(SammlungTest, ClickedEntryIsAppliedAndEditedBoxesAreTakenOver) {
    add("Parabel", "f(x)=x^2\r\n$f3$");
    add("Gerade", "f(x)=2*x");
    show();
    auto* list = control<QListWidget>("List1_0");
    ASSERT_EQ(list->count(), 2);
    // The focus alone chooses nothing.
    list->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(state().collection.window.selected, -1);
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->text(), "");
    list->setCurrentRow(0);
    QApplication::processEvents();
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->text(), "x^2");
    EXPECT_EQ(control<QLabel>("Label3")->text(), " Parabel");
    EXPECT_EQ(control<QLineEdit>("dicke_0")->text(), "3");
    EXPECT_EQ(state().style.ldickeovr[0], 3);

    QTest::mouseClick(control<QCheckBox>("Check1"), Qt::LeftButton);
    auto* terms = control<QPlainTextEdit>("txt_1");
    EXPECT_TRUE(terms->isVisible());
    terms->selectAll();
    QTest::keyClicks(terms, "f(x)=x^3");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(findIn<QLineEdit>(termForm(), "Text1_0")->text(), "x^3");
    EXPECT_EQ(state().collection.entries[0].fields[EntryField::Terms], "f(x)=x^3\r\n$f3$");
    EXPECT_EQ(control<QLabel>("Label9")->text(), "O.k.");

    terms->selectAll();
    QTest::keyClicks(terms, "q(x)=1");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(control<QLabel>("Label9")->text(),
              QString::fromUtf8("Eingabefeld \"Funktionsterme\": Ungültige Zeile!"));
}

TEST_F(SammlungTest, ExtendedViewShowsTheLowerBoxes) {
    show();
    const int normal = sub().height();
    EXPECT_FALSE(control<QPlainTextEdit>("txt_1")->isVisible());
    control<QCheckBox>("Check1")->setChecked(true);
    QApplication::processEvents();
    EXPECT_TRUE(control<QLineEdit>("dicke_2")->isVisible());
    EXPECT_GT(sub().height(), normal + 200);
    EXPECT_GT(sub().geometry().bottom(),
              control<QPlainTextEdit>("txt_5")->mapTo(&sub(), QPoint(0, 0)).y());
}

} // namespace vestrano
