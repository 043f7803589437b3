#include "collection/collection_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "app/mode_switch.h"
#include "collection/working_copy.h"
#include "entry_print.h"
#include "settings/settings_fixture.h"

namespace vestrano {
namespace {

CollectionEntry titled(const std::string& title) {
    CollectionEntry e;
    e.fields[EntryField::Title] = title;
    e.fields[EntryField::Terms] = "f(x)=x";
    return e;
}

class CollectionFiles : public SettingsFixture {
  protected:
    CollectionFiles() { EXPECT_EQ(colnew(state.files.tmpfile).reason(), ""); }

    std::vector<CollectionEntry>& entries() { return state.collection.entries; }
};

TEST_F(CollectionFiles, WritefileReplacesOnlyItsSection) {
    const std::string file = path("s.txt");
    write(file, "[Vestrano]\r\nstepx= .5\r\n\r\n[Funktionenplotter]\r\n{short:alt}\r\n\r\n"
                "[Kurvenplotter]\r\n{short:Kurve \xE4}\r\n");
    entries() = {titled("neu")};
    ASSERT_TRUE(writefile(ctx, file, true).ok());
    EXPECT_TRUE(state.files.colchanged);
    EXPECT_EQ(read(file), "[Vestrano]\r\nstepx= .5\r\n\r\n[Funktionenplotter]\r\n"
                          "{short:neu\r\nlong:\\end\\\r\nf(x)=x}\r\n"
                          "[Kurvenplotter]\r\n{short:Kurve \xE4}\r\n");
    entries().clear();
    ASSERT_TRUE(writefile(ctx, file, false).ok());
    EXPECT_EQ(read(file), "[Vestrano]\r\nstepx= .5\r\n\r\n[Funktionenplotter]\r\n"
                          "[Kurvenplotter]\r\n{short:Kurve \xE4}\r\n");

    // A missing section goes to the end; a character without a place in Windows-1252 makes
    // the whole file UTF-8.
    write(file, "[Vestrano]\r\nstepx= .5");
    entries() = {titled("π")};
    ASSERT_TRUE(writefile(ctx, file, false).ok());
    EXPECT_EQ(read(file), "\xEF\xBB\xBF[Vestrano]\r\nstepx= .5\r\n[Funktionenplotter]\r\n"
                          "{short:π\r\nlong:\\end\\\r\nf(x)=x}\r\n");
    entries().clear();
    ASSERT_TRUE(colload(ctx, file, false).ok());
    EXPECT_EQ(entries(), std::vector{titled("π")});
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CollectionFiles, SaveKeepsThePreviousVersionAndOpenKeepsTheOtherMode) {
    const std::string file = path("sammlung.txt");
    entries() = {titled("erste")};
    ASSERT_TRUE(writefile(ctx, state.files.tmpfile, true).ok());
    ui.fileNames.push_back(file);
    ASSERT_TRUE(colsave(ctx, false).ok());
    EXPECT_EQ(state.files.colfile, file);
    EXPECT_FALSE(state.files.colchanged);
    const std::string first = read(file);
    EXPECT_NE(first.find("stepx= .5"), std::string::npos);
    EXPECT_NE(first.find("{short:erste"), std::string::npos);

    entries() = {titled("zweite")};
    ASSERT_TRUE(colsave(ctx, true).ok());
    EXPECT_EQ(read(file + ".tmp"), first);
    EXPECT_NE(read(file).find("{short:zweite"), std::string::npos);

    // A curve entry in the file comes along when it is opened, and shows in curve mode.
    write(file, read(file) + "{short:Kreis\r\nx(t)=cos(t)}\r\n");
    entries().clear();
    ui.fileNames.push_back(file);
    colopen(ctx);
    EXPECT_EQ(entries(), std::vector{titled("zweite")});
    chooseMode(ctx, 1);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0].fields[EntryField::Terms], "x(t)=cos(t)");
    EXPECT_TRUE(ui.messages.empty());
}

// A backup that cannot be kept is told; the save itself goes on.
TEST_F(CollectionFiles, AFailedBackupIsToldAndTheSaveGoesOn) {
    const std::string file = path("sammlung.txt");
    write(file, "[Vestrano]\r\n[Funktionenplotter]\r\n");
    std::filesystem::create_directories(file + ".tmp/belegt");
    state.files.colfile = file;
    entries() = {titled("neu")};
    EXPECT_TRUE(colsave(ctx, true).ok());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Die bisherige Fassung von \"" + file +
                                       "\" kann nicht als Sicherung \"" + file +
                                       ".tmp\" aufbewahrt werden.\nUnter diesem Namen gibt es "
                                       "einen Ordner.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(read(file).find("{short:neu"), std::string::npos);
    EXPECT_FALSE(state.files.colchanged);
}

// A working copy that cannot be made at the start is told.
TEST_F(CollectionFiles, AWorkingCopyThatCannotBeMadeIsTold) {
    colinit(ctx, path("fehlt"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              notWrittenText(state.files.tmpfile, "Der Ordner existiert nicht."));
}

TEST_F(CollectionFiles, OpeningAMissingFileAsksToMakeIt) {
    const std::string file = path("neu.txt");
    entries() = {titled("bleibt")};
    ui.fileNames = {file, file};
    ui.answers = {false, true};
    colopen(ctx);
    EXPECT_EQ(ui.dialogTitles,
              (std::vector<std::string>{"Sammlungsdatei öffnen", "Sammlungsdatei öffnen"}));
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(state.files.colfile, file);
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(read(state.files.tmpfile), read(file));

    // Cancel changes nothing.
    entries() = {titled("bleibt")};
    colopen(ctx);
    EXPECT_EQ(entries(), std::vector{titled("bleibt")});
}

// The working copy is the only home of unsaved entries, so an open after a failed save stops.
TEST_F(CollectionFiles, AnOpenAfterAFailedSaveKeepsTheUnsavedEntries) {
    const std::string other = path("andere.txt");
    entries() = {titled("neu")};
    ASSERT_TRUE(writefile(ctx, other, true).ok());
    entries() = {titled("ungespeichert")};
    ASSERT_TRUE(writefile(ctx, state.files.tmpfile, true).ok());
    const std::string workingCopy = read(state.files.tmpfile);
    state.files.colchanged = true;
    for (const std::optional<std::string>& target :
         {std::optional(path("fehlt/sammlung.txt")), std::optional<std::string>()}) {
        ui.answers = {true};
        ui.fileNames = {target, other};
        colopen(ctx);
        EXPECT_EQ(entries(), std::vector{titled("ungespeichert")});
        EXPECT_EQ(read(state.files.tmpfile), workingCopy);
        EXPECT_TRUE(state.files.colchanged);
    }
    ASSERT_EQ(ui.messages.size(), 1u); // the failed write; a cancel says nothing
}

// Notes or any other file without the mode's section are refused whole: the working copy, the
// table and the collection's name stay, and no later save writes into that file.
TEST_F(CollectionFiles, AFileThatIsNoCollectionIsRefusedAndNeverWritten) {
    const std::string notes = path("notizen.txt");
    const std::string noteBytes = "Einkaufen: Äpfel, Brot\nAnruf um 15 Uhr\n";
    write(notes, noteBytes);
    const std::string collection = path("sammlung.txt");
    entries() = {titled("bleibt")};
    ASSERT_TRUE(writefile(ctx, state.files.tmpfile, true).ok());
    const std::string workingCopy = read(state.files.tmpfile);
    for (const std::string& colfile : {std::string(), collection}) {
        state.files.colfile = colfile;
        ui.fileNames = {notes};
        colopen(ctx);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, kNoSectionLine);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(state.files.colfile, colfile);
        EXPECT_TRUE(state.files.colchanged);
        EXPECT_EQ(entries(), std::vector{titled("bleibt")});
        EXPECT_EQ(read(state.files.tmpfile), workingCopy);
        ui.messages.clear();

        // "Speichern" asks for a name when there is none, and the dialog is cancelled.
        EXPECT_EQ(colsave(ctx, true).ok(), !colfile.empty());
        EXPECT_EQ(read(notes), noteBytes);
    }
    EXPECT_NE(read(collection).find("{short:bleibt"), std::string::npos);
}

// A write that fails names the file and leaves the table and the old file as they were.
TEST_F(CollectionFiles, FailedWritesLoseNothing) {
    const std::string missingFolder = path("fehlt/s.txt");
    entries() = {titled("eins")};
    EXPECT_FALSE(writefile(ctx, missingFolder, true).ok());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(missingFolder), std::string::npos);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);

    ui.fileNames.push_back(missingFolder);
    EXPECT_FALSE(colsave(ctx, false).ok());
    EXPECT_EQ(state.files.colfile, "");
    EXPECT_TRUE(state.files.colchanged);
    EXPECT_EQ(ui.messages.size(), 2u);

    // A full disk: the file may not grow beyond a few bytes.
    const std::string file = path("voll.txt");
    ASSERT_TRUE(writefile(ctx, file, false).ok());
    const std::string before = read(file);
    entries().assign(500, titled("eine lange Zeile, die nicht mehr passt"));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool written = writefile(ctx, file, false).ok();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(read(file), before);
    EXPECT_EQ(entries().size(), 500u);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages[2].text.find("voll.txt"), std::string::npos);
}

TEST_F(CollectionFiles, ReadingErrorsShowTheirStage) {
    const std::string file = path("kaputt.txt");
    write(file, "[Funktionenplotter]\r\n{short:gut}\r\n{short:schlecht\r\nnur Worte\r\n");
    ASSERT_TRUE(colload(ctx, file, false).ok());
    EXPECT_EQ(ui.messages, (Messages{{std::string(kBrokenFile), "Fehler", MessageIcon::Critical}}));
    EXPECT_EQ(entries().size(), 2u);

    EXPECT_FALSE(colload(ctx, path("fehlt.txt"), false).ok());
    EXPECT_EQ(ui.messages.back().icon, MessageIcon::Exclamation);
    EXPECT_EQ(entries().size(), 2u);

    // A file without the mode's section holds none of its entries.
    write(file, "[Vestrano]\r\n[Kurvenplotter]\r\n{short:Kreis}\r\n");
    ASSERT_TRUE(colload(ctx, file, false).ok());
    EXPECT_EQ(ui.messages.back().text, kNoSectionLine);
    EXPECT_TRUE(entries().empty());
}

} // namespace
} // namespace vestrano
