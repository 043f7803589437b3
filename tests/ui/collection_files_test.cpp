// Saving and opening a collection from the file menu, and what the title bar says about it.

#include <QAction>
#include <QLineEdit>

#include <filesystem>

#include "settings/text_file.h"
#include "support/temp_folder.h"
#include "window_fixture.h"

namespace vestrano {
namespace {

TEST(CollectionFiles, SavedThroughTheMenuOpenedAtStartAndMarkedWhileChanged) {
    const TempFolder temp;
    const std::filesystem::path& folder = temp.folder;
    std::filesystem::create_directories(folder / "data");
    const std::string lesson = (folder / "lesson.txt").string();
    ScriptedUi dialogs;
    const auto start = [&] { return startProgram(dialogs, (folder / "data").string()); };
    const QString caption = "Vestrano - Graphen von Funktionen mit dynamischen Parametern";
    {
        auto mother = start();
        auto* f = findIn<QLineEdit>(findWindow(*mother, "termform"), "Text1_0");
        QTest::keyClicks(f, "a*x^2");
        QTest::keyClick(f, Qt::Key_Return);
        findIn<QAction>(*mother, "mn_add")->trigger();
        EXPECT_EQ(mother->windowTitle(), "*" + caption);
        dialogs.fileNames = {lesson};
        findIn<QAction>(*mother, "mn_saveas")->trigger();
        EXPECT_EQ(mother->windowTitle(), "lesson.txt - " + caption);
        EXPECT_NE(readWholeFile(lesson).value_or("").find("f(x)=a*x^2"), std::string::npos);
    }
    std::filesystem::remove(folder / "data" / "vestrano.tmp");
    auto mother = start();
    mother->openAtStart(lesson);
    EXPECT_EQ(mother->windowTitle(), "lesson.txt - " + caption);
    EXPECT_TRUE(findWindow<QWidget>(*mother, "sammlung_window").isVisible());
    ASSERT_EQ(mother->state().collection.entries.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    // A file that is not there is said so, and the working copy stays.
    mother->openAtStart((folder / "missing.txt").string());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("missing.txt"), std::string::npos);
    EXPECT_EQ(mother->state().collection.entries.size(), 1u);
    // So is a file that is no collection, opened from the menu: the title keeps the collection,
    // and "Speichern" writes there, not into the notes.
    const std::string notes = (folder / "notizen.txt").string();
    ASSERT_EQ(writeFileAtomically(notes, "Einkaufen: Äpfel\n").reason(), "");
    dialogs.fileNames = {notes};
    mother->findChild<QAction*>("mn_open")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "In der Sammlungsdatei fehlt die Kennungszeile!");
    EXPECT_EQ(mother->windowTitle(), "lesson.txt - " + caption);
    mother->findChild<QAction*>("mn_save")->trigger();
    EXPECT_EQ(readWholeFile(notes).value_or("<none>"), "Einkaufen: Äpfel\n");
    EXPECT_NE(readWholeFile(lesson).value_or("").find("f(x)=a*x^2"), std::string::npos);
}

} // namespace
} // namespace vestrano
