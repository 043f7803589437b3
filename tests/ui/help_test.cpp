#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "app/about.h"
#include "app/help_topics.h"
#include "ui/analysis/wertetabelle.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/params/para.h"
#include "ui/params/para_clock.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"
#include "window_fixture.h"

namespace vestrano {

class Help : public Windows {
  protected:
    Help() {
        mother->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(mother.get()));
    }

    // Null until the help is first asked for.
    HelpWindow* helpWindow() { return mother->findChild<HelpWindow*>("helpWindow"); }
    // F1 on `widget` with the focus; the help shows `link` ("page#anchor").
    void expectF1Opens(QWidget* widget, const QString& link) {
        widget->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widget);
        QTest::keyClick(widget, Qt::Key_F1);
        expectShown(link);
    }
    void expectShown(const QString& link) {
        ASSERT_NE(helpWindow(), nullptr);
        EXPECT_TRUE(helpWindow()->isVisible());
        EXPECT_EQ(browser().source().toString().toStdString(), ("qrc:/help/" + link).toStdString());
    }
    QTextBrowser& browser() { return helpWindow()->browser(); }
    QPushButton* helpButton(const char* name) { return findIn<QPushButton>(*helpWindow(), name); }
};

TEST_F(Help, F1OpensThePageOfTheFocusedControlAtItsAnchor) {
    expectF1Opens(findIn<QLineEdit>(termForm(), "Text1_1"), "termform.html#Text1_1");
    EXPECT_EQ(helpWindow()->windowTitle(), "Vestrano-Hilfe: Funktionsterme");
    EXPECT_TRUE(browser().toPlainText().contains("Graph anzeigen oder nicht"));

    expectF1Opens(findIn<QScrollBar>(graphForm(), "HScroll1"), "graphform.html#HScroll1");
    enterTerm(0, "a*x");
    QWidget* form = para(8);
    ASSERT_NE(form, nullptr);
    expectF1Opens(findIn<QScrollBar>(*form, "HScroll1"), "para.html#HScroll1");
    // Pages are compiled in with their pictures.
    EXPECT_FALSE(
        browser().document()->resource(QTextDocument::ImageResource, QUrl("para.png")).isNull());
}

TEST_F(Help, OptionDialogsExplainTheirControls) {
    trigger("mn_groptions");
    expectF1Opens(findIn<QLineEdit>(window<OptionsLinie>("optionslinie"), "Text2_5"),
                  "optionslinie.html#Text2_5");
    trigger("mn_zoomoptions");
    expectF1Opens(findIn<QLineEdit>(window<OptionsZoom>("optionszoom"), "Text1"),
                  "optionszoom.html#Text1");
}

// A control added to the window without a place in its page would leave F1 at the top.
TEST_F(Help, EveryNamedControlOfTheValueTableHasItsAnchor) {
    auto* window = findIn<Wertetabelle>(*mother, "Wertetabelle");
    window->bringForward();
    const auto& table = windowHelpTable();
    const auto help = std::find_if(table.begin(), table.end(), [](const WindowHelp& w) {
        return std::string(w.window) == "Wertetabelle";
    });
    ASSERT_NE(help, table.end());
    const std::vector<std::string> anchors = helpAnchors(*help);
    int named = 0;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const std::string name = control->objectName().toStdString();
        // Qt names the inner parts of its views itself.
        if (name.empty() || name.starts_with("qt_")) {
            continue;
        }
        ++named;
        EXPECT_NE(std::find(anchors.begin(), anchors.end(), name), anchors.end()) << name;
    }
    EXPECT_EQ(named, static_cast<int>(anchors.size()));
    expectF1Opens(findIn<QLineEdit>(*window, "Schrittweite"), "wertetabelle.html#Schrittweite");
}

TEST_F(Help, MenuItemHelpsTheFocusedControlAndTheWindowFindsItsWayBack) {
    picture()->setFocus();
    trigger("mn_hlpm");
    expectShown("graphform.html#Picture1");

    helpButton("helpContents")->click();
    expectShown("index.html");
    EXPECT_TRUE(helpButton("helpBack")->isEnabled());
    helpButton("helpBack")->click();
    expectShown("graphform.html#Picture1");
    EXPECT_TRUE(helpButton("helpForward")->isEnabled());

    // Closed and asked again, the help comes back at the new place.
    helpButton("helpClose")->click();
    EXPECT_FALSE(helpWindow()->isVisible());
    expectF1Opens(findIn<QLineEdit>(termForm(), "Text1_0"), "termform.html#Text1_0");
}

TEST_F(Help, F1InAnOpenMenuClosesItAndExplainsTheMenu) {
    auto* extra = findIn<QMenu>(*mother, "mn_extra");
    extra->popup(mother->mapToGlobal(QPoint(100, 20)));
    auto* zoom = findIn<QMenu>(*mother, "mn_zoomum");
    zoom->popup(mother->mapToGlobal(QPoint(300, 60)));
    ASSERT_EQ(QApplication::activePopupWidget(), zoom);
    QTest::keyClick(zoom, Qt::Key_F1);
    expectShown("mother.html#mn_extra");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(extra->isVisible());
}

TEST_F(Help, F1InTheModalTimerDialogOpensAHelpThatCanBeUsed) {
    enterTerm(0, "a*x");
    QTimer::singleShot(0, mother.get(), [this] {
        auto* dialog = findIn<QDialog>(*mother, "Dialog");
        auto* combo = findIn<QComboBox>(*dialog, "Combo1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_F1);
        expectShown("timer.html#Combo1");
        EXPECT_EQ(helpWindow()->windowModality(), Qt::ApplicationModal);
        helpWindow()->hide();
        dialog->reject();
    });
    QTest::mouseClick(findIn<ParaClock>(*para(8), "Image1"), Qt::RightButton);
    // Without a dialog open the help no longer locks the program.
    ASSERT_NE(helpWindow(), nullptr);
    helpWindow()->showTopic({"index.html", ""});
    EXPECT_EQ(helpWindow()->windowModality(), Qt::NonModal);
}

TEST_F(Help, AboutBoxShowsTheCoreTextAndCopiesTheSystemInformation) {
    trigger("mn_about");
    auto* about = findIn<QDialog>(*mother, "about");
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "über Vestrano");
    const SystemInfo info = currentSystemInfo();
    EXPECT_EQ(findIn<QLabel>(*about, "aboutText")->text().toStdString(), aboutText(info));
    EXPECT_EQ(info.qtRuntimeVersion, qVersion());

    auto* copy = findIn<QPushButton>(*about, "copySystemInfo");
    copy->click();
    EXPECT_EQ(dialogs.clipboard, systemReport(info));
    EXPECT_EQ(findIn<QLabel>(*about, "aboutCopied")->text().toStdString(), kSystemInfoCopied);
    // Enter closes the box, also right after the copy.
    const QPointer<QDialog> closing = about;
    QTest::keyClick(copy, Qt::Key_Return); // the button keeps the keys after the click
    QApplication::processEvents();
    EXPECT_TRUE(closing.isNull() || !closing->isVisible());
}

} // namespace vestrano
