// The program's own questions and file dialogs, as the user meets them.

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "state/plot_state.h"
#include "ui/main_window/qt_dialogs.h"

namespace vestrano {
namespace {

// Runs `look` on the modal window of type W as soon as it is open.
template <class W, class Look> void whenOpen(Look look) {
    QTimer::singleShot(0, [look] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        look(*window);
    });
}

TEST(YesNoQuestion, EscapeAndTheCloseButtonLeaveItOpenUntilTheUserAnswers) {
    QtDialogs dialogs;
    for (const bool yes : {true, false}) {
        bool openAfterEscape = false;
        bool openAfterClose = false;
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            openAfterEscape = box.isVisible();
            box.close();
            openAfterClose = box.isVisible();
            box.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        EXPECT_EQ(dialogs.askYesNo("Die Sammlung ist geändert worden. Soll sie gespeichert werden?",
                                   "Achtung!"),
                  yes);
        EXPECT_TRUE(openAfterEscape);
        EXPECT_TRUE(openAfterClose);
    }
}

// A home folder of its own for the test, without a documents folder at first.
class FileDialogs : public ::testing::Test {
  protected:
    QTemporaryDir home;
    QByteArray oldHome = qgetenv("HOME");
    QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    FileNames files;
    QtDialogs dialogs;

    FileDialogs() {
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        dialogs.setFiles(&files);
    }
    ~FileDialogs() override {
        qputenv("HOME", oldHome);
        oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    struct Seen {
        QString folder;
        QString name;
    };
    // The folder and the file name a dialog opened with; the dialog is cancelled.
    template <class Show> Seen seen(Show show) {
        Seen seen;
        whenOpen<QFileDialog>([&seen](QFileDialog& dialog) {
            seen.folder = dialog.directory().absolutePath();
            seen.name = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
            dialog.reject();
        });
        EXPECT_EQ(show(), std::nullopt);
        return seen;
    }
    Seen open() {
        return seen([this] { return dialogs.openFileName("Sammlungsdatei öffnen", kFilter); });
    }
    Seen save(const std::string& preset) {
        return seen(
            [&] { return dialogs.saveFileName("Sammlungsdatei speichern", kFilter, preset); });
    }
    static constexpr const char* kFilter = "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";
};

TEST_F(FileDialogs, StartInTheCollectionsFolderElseDocumentsElseHomeAndOfferNoFolderName) {
    const QString homePath = QDir(home.path()).absolutePath();
    for (const Seen& s : {open(), save("")}) {
        EXPECT_EQ(s.folder, homePath);
        EXPECT_EQ(s.name, "");
    }

    ASSERT_TRUE(QDir(homePath).mkdir("Documents"));
    for (const Seen& s : {open(), save("")}) {
        EXPECT_EQ(s.folder, homePath + "/Documents");
        EXPECT_EQ(s.name, "");
    }

    ASSERT_TRUE(QDir(homePath).mkdir("mathe"));
    files.colfile = (homePath + "/mathe/parabeln.txt").toStdString();
    const Seen opened = open();
    EXPECT_EQ(opened.folder, homePath + "/mathe");
    EXPECT_EQ(opened.name, "");
    const Seen saved = save(files.colfile);
    EXPECT_EQ(saved.folder, homePath + "/mathe");
    EXPECT_EQ(saved.name, "parabeln.txt");
}

} // namespace
} // namespace vestrano
