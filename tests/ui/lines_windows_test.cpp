#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "ui/lines/asymptoten.h"
#include "ui/lines/punkte.h"
#include "window_fixture.h"

namespace vestrano {

// The lines and points windows brought forward from the menu.
class LinesWindows : public Windows {
  protected:
    template <class T> T* lines(const char* name) {
        return findIn<T>(window<Asymptoten>("Asymptoten"), name);
    }
    template <class T> T* points(const char* name) {
        return findIn<T>(window<Punkte>("Punkte"), name);
    }

    int pixelsOf(QRgb wanted) {
        return countPixels([wanted](QRgb c) { return (c & 0xffffff) == (wanted & 0xffffff); });
    }
};

TEST_F(LinesWindows, TypedLinesAreListedDrawnAndKeptWhenTheWindowCloses) {
    trigger("mn_asy");
    QApplication::processEvents();
    ASSERT_TRUE(window<Asymptoten>("Asymptoten").window().isVisible());
    EXPECT_TRUE(lines<QLineEdit>("Text4")->hasFocus());
    typeOver(lines<QLineEdit>("Text4"), "2*x+1");
    typeOver(lines<QLineEdit>("Text4"), "x=3");
    auto* list = lines<QListWidget>("List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "y=2*x+1");
    EXPECT_TRUE(lines<QPushButton>("Command4_1")->isVisible());
    EXPECT_FALSE(lines<QPushButton>("Command4_2")->isVisible());
    EXPECT_GT(pixelsOf(qRgb(80, 0, 80)), 100);
    EXPECT_EQ(state().status.text, "Ok.");

    window<Asymptoten>("Asymptoten").window().close();
    EXPECT_FALSE(window<Asymptoten>("Asymptoten").window().isVisible());
    trigger("mn_asy");
    EXPECT_EQ(lines<QListWidget>("List1")->count(), 2);

    trigger("mn_asyvis");
    EXPECT_FALSE(findIn<QAction>(*mother, "mn_asyvis")->isChecked());
    EXPECT_EQ(pixelsOf(qRgb(80, 0, 80)), 0);
}

TEST_F(LinesWindows, BoxesRefuseWrongTypesAndDeleteRemovesTheSelection) {
    trigger("mn_asy");
    typeOver(lines<QLineEdit>("Text4"), "y=1");
    typeOver(lines<QLineEdit>("Text4"), "y=2");
    typeOver(lines<QLineEdit>("Text1_0"), "9");
    EXPECT_EQ(lines<QLineEdit>("Text1_0")->text(), "");
    typeOver(lines<QLineEdit>("Text1_1"), "3");
    EXPECT_EQ(state().additional.lines.rows[1].linetype, '3');

    typeOver(lines<QLineEdit>("Text2"), "7");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unerlaubter Wert für die Linienart!");
    EXPECT_EQ(lines<QLineEdit>("Text2")->text(), "2");

    auto* list = lines<QListWidget>("List1");
    list->selectAll();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(state().additional.modelines[0].empty());
}

TEST_F(LinesWindows, PointsAreDrawnAsTheCheckBoxesSay) {
    trigger("mn_punkt");
    typeOver(points<QLineEdit>("Text4"), "P(1;2)");
    ASSERT_EQ(points<QListWidget>("List1")->count(), 1);
    const QPoint at = pixelOf(1, 2);
    EXPECT_EQ(graphForm().picture().pixel(at) & 0xffffff, 0u);

    QTest::mouseClick(points<QCheckBox>("Check1"), Qt::LeftButton);
    EXPECT_EQ(state().additional.pointflags, 2);
    EXPECT_FALSE(points<QCheckBox>("Check1")->isChecked());
    trigger("mn_puvis"); // checked while names show: off for both
    EXPECT_EQ(state().additional.pointflags, 0);
    EXPECT_FALSE(points<QCheckBox>("Check2")->isChecked());
    trigger("mn_puvis");
    EXPECT_TRUE(points<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_puvis")->isChecked());
}

// The picture after a take-over is the whole picture: lines and points whose parameters the
// take-over made are in it, as a fresh redraw would draw them.
TEST_F(LinesWindows, ATakeOverDrawsWhatUsesItsNewParameters) {
    const auto purple = [](QRgb c) {
        return qRed(c) > qGreen(c) + 20 && qBlue(c) > qGreen(c) + 20;
    };
    trigger("mn_asy");
    typeOver(lines<QLineEdit>("Text4"), "y=m*x+t");
    for (int s = kFirstFreeParam; s < kFirstFreeParam + 2; ++s) {
        ASSERT_NE(paraWindow(s), nullptr);
        EXPECT_TRUE(paraWindow(s)->isVisible()) << state().params[s].parname;
    }
    EXPECT_EQ(state().status.text, "Ok.");
    EXPECT_GT(countPixels(purple), 100);
    QImage shown = graphForm().picture().copy();
    graphForm().redraw();
    EXPECT_EQ(shown, graphForm().picture());

    trigger("mn_punkt");
    typeOver(points<QLineEdit>("Text4"), "P(a;b)");
    EXPECT_EQ(graphForm().picture().pixel(pixelOf(1, 1)) & 0xffffff, 0u);
    shown = graphForm().picture().copy();
    graphForm().redraw();
    EXPECT_EQ(shown, graphForm().picture());
}

} // namespace vestrano
