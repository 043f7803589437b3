#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "ui/analysis/wertetabelle.h"
#include "ui/params/para.h"
#include "ui/params/para_windows.h"
#include "window_fixture.h"

namespace vestrano {

namespace {

constexpr int a = 8; // the first parameter's slot

} // namespace

// The window "Wertetabelle" with f(x) = a*x, opened from the menu with its boxes at the visible x
// interval.
class ValueTableWindow : public Windows {
  protected:
    ValueTableWindow() {
        enterTerm(0, "a*x");
        trigger("mn_wertetabelle");
    }

    Wertetabelle& window() { return *findIn<Wertetabelle>(*mother, "Wertetabelle"); }
    template <class T> T* control(const char* name) { return findIn<T>(window(), name); }
    QAbstractItemModel& model() { return *control<QTableView>("Table1")->model(); }
    QString cell(int row, int column) { return model().index(row, column).data().toString(); }
    QString header(int column) {
        return model().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    void boxes(const QString& from, const QString& to, const QString& step) {
        typeOver(control<QLineEdit>("von"), from, false);
        typeOver(control<QLineEdit>("bis"), to, false);
        typeOver(control<QLineEdit>("Schrittweite"), step);
    }
    // What the parameter window's value box makes of a typed value.
    void setA(const QString& value) {
        auto* box = findIn<QLineEdit>(*para(a), "Text3");
        box->selectAll();
        QTest::keyClicks(box, value);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // The table follows a moment after the picture; true once the cell shows `text`.
    bool follows(int row, int column, const QString& text) {
        return QTest::qWaitFor([&] { return cell(row, column) == text; }, 2000);
    }
};

TEST_F(ValueTableWindow, OpensAtTheVisibleIntervalAndFollowsTheParameterWhileShown) {
    EXPECT_EQ(control<QLineEdit>("von")->text(), "-10");
    EXPECT_EQ(control<QLineEdit>("bis")->text(), "10");
    EXPECT_EQ(control<QLineEdit>("Schrittweite")->text(), "1");
    ASSERT_EQ(model().rowCount(), 21);
    ASSERT_EQ(model().columnCount(), 2);
    EXPECT_EQ(header(1), "f");
    EXPECT_EQ(control<QLabel>("Label4")->text(), "21 Zeilen");
    EXPECT_EQ(cell(12, 0), "2");
    EXPECT_EQ(cell(12, 1), "2");

    setA("2,5");
    EXPECT_TRUE(follows(12, 1, "5")) << cell(12, 1).toStdString();

    // Hidden, it does not compute; shown again, it is up to date.
    findIn<QPushButton>(window(), "Command2")->click();
    EXPECT_FALSE(window().window().isVisible());
    setA("3");
    QTest::qWait(100);
    EXPECT_EQ(cell(12, 1), "5");
    trigger("mn_wertetabelle");
    EXPECT_EQ(cell(12, 1), "6");
    EXPECT_EQ(control<QLineEdit>("von")->text(), "-10");

    // A new term and another graph.
    enterTerm(1, "1/x");
    EXPECT_TRUE(follows(12, 2, "0,5"));
    ASSERT_EQ(model().columnCount(), 3);
    EXPECT_EQ(header(2), "g");
    EXPECT_EQ(cell(10, 2), ""); // no value at 0
}

TEST_F(ValueTableWindow, ComesBackIntoSightAfterTheMainWindowShrank) {
    mother->resize(700, 500);
    QApplication::processEvents();
    window().bringForward();
    const QRect area = mdiArea()->viewport()->rect();
    EXPECT_TRUE(area.contains(window().window().geometry()))
        << area.width() << " x " << area.height();
}

TEST_F(ValueTableWindow, CopiesTheTableTabSeparatedWithDecimalCommas) {
    setA("0,5");
    boxes("-1", "1", "0,5");
    control<QPushButton>("Command3")->click();
    EXPECT_EQ(dialogs.clipboard, "x\tf\n-1\t-0,5\n-0,5\t-0,25\n0\t0\n0,5\t0,25\n1\t0,5\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ValueTableWindow, CurveModeLeavesOnlyXAndSaysWhy) {
    trigger("mn_kplot");
    EXPECT_TRUE(QTest::qWaitFor([this] { return model().columnCount() == 1; }, 2000));
    EXPECT_EQ(model().rowCount(), 21);
    EXPECT_EQ(control<QLabel>("Label4")->text(),
              "Der Kurvenplotter hat keine Funktionsgraphen: nur x wird gezeigt.");
    trigger("mn_fplot");
    EXPECT_TRUE(follows(12, 1, "2"));
}

// Each refusal names its box, keeps the table and leaves the focus in that box, so that the
// next keys correct it, even though the message box took the focus elsewhere.
TEST_F(ValueTableWindow, RefusesEachBadInputKeepsTheTableAndTakesTheNextTyping) {
    const struct {
        const char *from, *to, *step, *box, *message;
    } cases[] = {
        {"1+", "1", "1", "von", "Unverständliche Eingabe für \"von\"!"},
        {"0", "q", "1", "bis", "Unverständliche Eingabe für \"bis\"!"},
        {"0", "1", "min(1;2", "Schrittweite", "Unverständliche Eingabe für \"Schrittweite\"!"},
        {"0", "1", "0", "Schrittweite", "\"Schrittweite\" darf nicht 0 sein!"},
        {"0", "1", "-1", "Schrittweite",
         "\"Schrittweite\" muss positiv sein, wenn \"von\" kleiner als \"bis\" ist!"},
        {"1", "0", "1", "Schrittweite",
         "\"Schrittweite\" muss negativ sein, wenn \"von\" größer als \"bis\" ist!"},
        {"0", "1", "0,00001", "Schrittweite",
         "\"Schrittweite\" ist zu klein: es ergäben sich mehr als 100.000 Zeilen!"},
    };
    QLineEdit* f = termLine(0);
    dialogs.whileShown = [f] { f->setFocus(); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box + std::string(": ") + c.message);
        dialogs.messages.clear();
        boxes(c.from, c.to, c.step);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].title, "Fehlerhafte Eingabe");
        EXPECT_EQ(model().rowCount(), 21);
        EXPECT_EQ(cell(0, 0), "-10");

        auto* box = control<QLineEdit>(c.box);
        ASSERT_EQ(mother->focusWidget(), box);
        QTest::keyClicks(mother->focusWidget(), "7");
        EXPECT_EQ(box->text(), "7");
    }
    EXPECT_EQ(f->text(), "a*x");

    // The most rows there may be, and the line below says how many.
    boxes("1", "100000", "1");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(model().rowCount(), 100000);
    EXPECT_EQ(control<QLabel>("Label4")->text(), "100.000 Zeilen");
}

} // namespace vestrano
