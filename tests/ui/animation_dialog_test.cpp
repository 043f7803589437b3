#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

#include "app/picture_format.h"
#include "settings/text_file.h"
#include "support/gif_frames.h"
#include "support/temp_folder.h"
#include "window_fixture.h"

namespace vestrano {
namespace {

class AnimationDialogTest : public Windows {
  protected:
    TempFolder folder;

    QDialog& dialog() { return window<QDialog>("Animation"); }
    void type(const char* box, const QString& text) {
        findIn<QLineEdit>(dialog(), box)->setText(text);
    }
    void save() { findIn<QPushButton>(dialog(), "cmd_speichern")->click(); }
    std::string lastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().text;
    }
};

TEST_F(AnimationDialogTest, WithoutAParameterThereIsNothingToRun) {
    enterTerm(0, "x^2");
    trigger("mn_animation");
    EXPECT_EQ(mother->findChild<QDialog*>("Animation"), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(lastMessage().find("keinen Parameter"), std::string::npos);
}

TEST_F(AnimationDialogTest, BadBoxesAndTargetsAreRefusedAndLeaveNoFile) {
    enterTerm(0, "a*x^2");
    trigger("mn_animation");
    ASSERT_TRUE(dialog().isVisible());
    EXPECT_EQ(findIn<QComboBox>(dialog(), "cb_parameter")->currentText(), "a");
    EXPECT_EQ(findIn<QLineEdit>(dialog(), "txt_von")->text(), "-10");
    EXPECT_EQ(findIn<QLineEdit>(dialog(), "txt_bis")->text(), "10");
    const QSize area = graphForm().picture().size();
    EXPECT_EQ(findIn<QLineEdit>(dialog(), "txt_breite")->text().toInt(), area.width());
    EXPECT_EQ(findIn<QLineEdit>(dialog(), "txt_hoehe")->text().toInt(), area.height());

    const std::vector<std::tuple<const char*, QString, std::string>> refusals{
        {"txt_bilder", "0", "\"Bilder\" muss eine ganze Zahl von 2 bis 1000 sein!"},
        {"txt_fps", "0", "\"Bilder pro Sekunde\" muss eine ganze Zahl von 1 bis 50 sein!"},
        {"txt_von", "2*(", "Unverständliche Eingabe für \"von\"!"},
        {"txt_bis", "1+", "Unverständliche Eingabe für \"bis\"!"},
        {"txt_breite", "8", "\"Breite\" muss eine ganze Zahl von 16 bis 10000 sein!"},
    };
    for (const auto& [box, text, message] : refusals) {
        const QString kept = findIn<QLineEdit>(dialog(), box)->text();
        type(box, text);
        save();
        EXPECT_EQ(lastMessage(), message) << box;
        EXPECT_TRUE(dialog().isVisible()) << box;
        // What is typed next replaces the refused text.
        EXPECT_EQ(dialog().focusWidget(), findIn<QLineEdit>(dialog(), box)) << box;
        EXPECT_EQ(findIn<QLineEdit>(dialog(), box)->selectedText(), text) << box;
        type(box, kept);
    }
    EXPECT_TRUE(dialogs.dialogTitles.empty()) << "no file is asked for";

    type("txt_bilder", "3");
    type("txt_breite", "160");
    type("txt_hoehe", "120");
    const std::string missing = folder.path("fehlt/lauf.gif");
    dialogs.fileNames = {folder.path("lauf.png"), missing};
    save();
    EXPECT_EQ(lastMessage(), animationFormatText(folder.path("lauf.png")));
    save();
    EXPECT_EQ(lastMessage(), notWrittenText(missing, "Der Ordner existiert nicht."));
    EXPECT_TRUE(std::filesystem::is_empty(folder.folder));
}

TEST_F(AnimationDialogTest, ARunIsSavedAndTheScreenAndTheValueStayAsTheyWere) {
    enterTerm(0, "a*x^2");
    const QImage before = graphForm().picture().convertToFormat(QImage::Format_RGB32);
    const double value = state().params[kFirstFreeParam].parvalue;
    trigger("mn_animation");
    type("txt_von", "-2");
    type("txt_bis", "2");
    type("txt_bilder", "5");
    type("txt_fps", "10");
    findIn<QCheckBox>(dialog(), "chk_hin_und_zurueck")->setChecked(true);
    type("txt_breite", "200");
    type("txt_hoehe", "150");
    dialogs.fileNames = {folder.path("lauf.gif")};
    save();
    EXPECT_EQ(lastMessage(), "");
    const DecodedGif gif = decodeGif(readWholeFile(folder.path("lauf.gif")).value_or(""));
    ASSERT_TRUE(gif.ok);
    EXPECT_EQ(gif.frames.size(), 8u);
    EXPECT_EQ(gif.width, 200);
    EXPECT_EQ(gif.height, 150);
    EXPECT_EQ(gif.delays, std::vector<int>(8, 10));
    EXPECT_TRUE(gif.loopsForever);
    EXPECT_EQ(gif.frames[1], gif.frames[7]) << "back the same way";
    EXPECT_NE(gif.frames[0], gif.frames[4]);
    EXPECT_EQ(state().params[kFirstFreeParam].parvalue, value);
    EXPECT_EQ(graphForm().picture().convertToFormat(QImage::Format_RGB32), before);
}

} // namespace
} // namespace vestrano
