#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <filesystem>

#include "support/temp_folder.h"
#include "ui/calculator/minicalc.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"
#include "window_fixture.h"

namespace vestrano {

class OptionWindows : public Windows {
  protected:
    template <class T> T* in(OptionWindow& dialog, const char* name) {
        return findIn<T>(dialog, name);
    }
    void type(OptionWindow& dialog, const char* box, const QString& text) {
        typeOver(in<QLineEdit>(dialog, box), text, false);
    }
    void click(OptionWindow& dialog, const char* button) {
        QTest::mouseClick(in<QPushButton>(dialog, button), Qt::LeftButton);
    }
    QMdiSubWindow* activeWindow() { return mdiArea()->activeSubWindow(); }
};

TEST_F(OptionWindows, HelpLinesRefuseABadStepAndTakeTheNextTypingAfterTheMessage) {
    OptionsGraph& dialog = window<OptionsGraph>("optionsgraph");
    trigger("mn_axeoptions");
    ASSERT_TRUE(dialog.window().isVisible());
    EXPECT_EQ(activeWindow(), &dialog.window());
    EXPECT_EQ(in<QLineEdit>(dialog, "Text13")->text(), "210");

    // A real message box takes the focus away while it is open.
    dialogs.whileShown = [this] { findIn<QLineEdit>(termForm(), "Text1_0")->setFocus(); };
    type(dialog, "Text2", "0");
    type(dialog, "Text11", "20");
    click(dialog, "Command1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Ungültige x-Schrittweite!");
    EXPECT_EQ(dialogs.messages[0].title, "Fehler");
    EXPECT_DOUBLE_EQ(state().grid.stepx, 0.5);
    EXPECT_EQ(state().style.fontz, 12);

    type(dialog, "Text2", "0,25");
    click(dialog, "Command1");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(state().grid.stepx, 0.25);
    EXPECT_EQ(state().style.fontz, 20);
    EXPECT_TRUE(dialog.window().isVisible());

    // Typed but not taken over, then closed by its close box: reopening shows the settings.
    type(dialog, "Text1", "7");
    dialog.window().close();
    EXPECT_FALSE(dialog.window().isVisible());
    EXPECT_FALSE(state().optionBoxes.graph.visible);
    trigger("mn_axeoptions");
    EXPECT_TRUE(dialog.window().isVisible());
    EXPECT_EQ(in<QLineEdit>(dialog, "Text1")->text(), "0");
    EXPECT_EQ(in<QLineEdit>(dialog, "Text11")->text(), "20");

    click(dialog, "Command3");
    EXPECT_EQ(in<QLineEdit>(dialog, "Text11")->text(), "12");
    EXPECT_DOUBLE_EQ(state().grid.stepx, 0.5);
    click(dialog, "Command2");
    EXPECT_FALSE(dialog.window().isVisible());
}

TEST_F(OptionWindows, ASlotColourReachesSwatchTermButtonAndIntervalLabel) {
    OptionsLinie& dialog = window<OptionsLinie>("optionslinie");
    trigger("mn_groptions");
    ASSERT_TRUE(dialog.window().isVisible());
    const QColor blue(80, 80, 255);
    EXPECT_EQ(in<QLabel>(dialog, "Picture1_0")->palette().color(QPalette::Window), blue);
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_0")->palette().color(QPalette::Button),
              blue);

    dialogs.colors = {rgb(10, 20, 30)};
    click(dialog, "Command4_1");
    EXPECT_EQ(dialogs.colorsOffered.back(), rgb(0, 160, 40));
    const QColor chosen(10, 20, 30);
    EXPECT_EQ(in<QLabel>(dialog, "Picture1_1")->palette().color(QPalette::Window), chosen);
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_1")->palette().color(QPalette::Button),
              chosen);
    EXPECT_EQ(findIn<QLabel>(window<InterForm>("interform"), "Label4_4")
                  ->palette()
                  .color(QPalette::Window),
              chosen);

    click(dialog, "Command4_1"); // Cancel
    EXPECT_EQ(state().style.colors[1], static_cast<int32_t>(rgb(10, 20, 30)));
    EXPECT_EQ(in<QLabel>(dialog, "Picture1_1")->palette().color(QPalette::Window), chosen);

    // The defaults bring the standard colour back everywhere, and show the width they draw.
    type(dialog, "Text1_0", "4");
    click(dialog, "Command3");
    EXPECT_EQ(in<QLineEdit>(dialog, "Text1_0")->text(), "1");
    EXPECT_EQ(findIn<QPushButton>(termForm(), "Command1_1")->palette().color(QPalette::Button),
              QColor(0, 160, 40));
}

TEST_F(OptionWindows, ACountBoxShowsItsParameterWindowAndTheDialogStaysInFront) {
    OptionsLinie& dialog = window<OptionsLinie>("optionslinie");
    trigger("mn_groptions");
    type(dialog, "Text1_2", "5");
    QTest::mouseClick(in<QLineEdit>(dialog, "Text2_1"), Qt::LeftButton);
    QMdiSubWindow* count = paraWindow(4);
    ASSERT_NE(count, nullptr);
    EXPECT_TRUE(count->isVisible());
    EXPECT_EQ(activeWindow(), &dialog.window());
    EXPECT_EQ(in<QLineEdit>(dialog, "Text1_2")->text(), "5"); // typing survives

    in<QCheckBox>(dialog, "Check1")->click();
    EXPECT_TRUE(state().options.keepcounts);
    type(dialog, "Text2_1", "20000");
    click(dialog, "Command1");
    EXPECT_EQ(state().slots[1].anzx, 19999);
    EXPECT_EQ(state().slots[2].ldicke, 5);
}

TEST_F(OptionWindows, TheModeSwitchRenamesTheHeadsAndSwapsTheCountBoxes) {
    OptionsLinie& dialog = window<OptionsLinie>("optionslinie");
    trigger("mn_groptions");
    EXPECT_EQ(in<QPushButton>(dialog, "Command4_1")->text(), "von g");
    EXPECT_TRUE(in<QLineEdit>(dialog, "Text2_0")->isEnabled());
    EXPECT_FALSE(in<QLineEdit>(dialog, "Text2_3")->isEnabled());
    trigger("mn_kplot");
    EXPECT_EQ(in<QPushButton>(dialog, "Command4_1")->text(), "von y1");
    EXPECT_FALSE(in<QLineEdit>(dialog, "Text2_0")->isEnabled());
    EXPECT_TRUE(in<QLineEdit>(dialog, "Text2_3")->isEnabled());
}

// The working copy carries the settings into the next run.
TEST(OptionRestart, SettingsSavedFromMenuAndDialogComeBack) {
    const TempFolder folder;
    ScriptedUi dialogs;
    const auto start = [&] { return startProgram(dialogs, folder.folder.string()); };
    {
        auto mother = start();
        findIn<QAction>(*mother, "mn_zoomoptions")->trigger();
        auto* y = findIn<QLineEdit>(findWindow(*mother, "optionszoom"), "Text2");
        y->selectAll();
        QTest::keyClicks(y, "3");
        findIn<QPushButton>(findWindow(*mother, "optionszoom"), "Command1")->click();
        // Only the menu item writes the angle unit.
        findIn<QAction>(*mother, "mn_deg")->trigger();
        findIn<QAction>(*mother, "mn_saveopt")->trigger();
    }
    auto mother = start();
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_deg")->isChecked());
    EXPECT_DOUBLE_EQ(mother->state().options.zoomy, 3);
    findIn<QAction>(*mother, "mn_calc")->trigger();
    auto* input = findIn<QLineEdit>(findWindow(*mother, "minicalc"), "Text1");
    QTest::keyClicks(input, "sin(90)");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(findIn<QLabel>(findWindow(*mother, "minicalc"), "Label1")->text(), "1");
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace vestrano
