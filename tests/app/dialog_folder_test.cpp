#include "app/dialog_folder.h"

#include <set>

#include <gtest/gtest.h>

namespace vestrano {

TEST(DialogFolder, CollectionFolderThenDocumentsThenHome) {
    std::set<std::string> folders{"/home/u", "/home/u/Dokumente", "/home/u/mathe", "."};
    const IsFolder isFolder = [&folders](const std::string& p) { return folders.count(p) > 0; };
    const auto folder = [&](const std::string& colfile) {
        return dialogFolder(colfile, "/home/u/Dokumente", "/home/u", isFolder);
    };
    EXPECT_EQ(folder("/home/u/mathe/parabeln.txt"), "/home/u/mathe");
    EXPECT_EQ(folder("parabeln.txt"), "."); // named on the command line
    EXPECT_EQ(folder(""), "/home/u/Dokumente");
    EXPECT_EQ(folder("/mnt/stick/parabeln.txt"), "/home/u/Dokumente"); // the stick is gone
    folders.erase("/home/u/Dokumente");
    EXPECT_EQ(folder(""), "/home/u");
    EXPECT_EQ(dialogFolder("", "", "/home/u", isFolder), "/home/u");
}

TEST(DialogFolder, OnlyAFileIsOfferedAsName) {
    const IsFolder isFolder = [](const std::string& p) { return p == "/home/u/Documents"; };
    EXPECT_EQ(offeredName("/home/u/mathe/parabeln.txt", isFolder), "parabeln.txt");
    EXPECT_EQ(offeredName("/home/u/Documents", isFolder), "");
    EXPECT_EQ(offeredName("", isFolder), "");
}

} // namespace vestrano
