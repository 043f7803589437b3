#include "collection/collection_file.h"
#include "entry_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vestrano {
namespace {

struct Read {
    std::string error;
    std::vector<CollectionEntry> entries;
};

Read readFunctions(const std::string& body, int mode = 0) {
    const std::string section = mode == 0 ? "Funktionenplotter" : "Kurvenplotter";
    Read r;
    r.error = readEntries("[Vestrano]\r\nstepx= .5\r\n[" + section + "]\r\n" + body, mode, section,
                          r.entries)
                  .reason();
    return r;
}

CollectionEntry titled(const std::string& title, bool isProtected = false) {
    CollectionEntry e;
    e.fields[EntryField::Title] = title;
    e.isProtected = isProtected;
    return e;
}

TEST(CollectionReader, EmptyFileOfBothModesReadsNoEntries) {
    const std::string fresh =
        "[Vestrano]\r\n\r\n[Funktionenplotter]\r\n\r\n[Kurvenplotter]\r\n\r\n";
    std::vector<CollectionEntry> entries{titled("alt")};
    EXPECT_EQ(readEntries(fresh, 0, "Funktionenplotter", entries).reason(), "");
    EXPECT_TRUE(entries.empty());
    entries.push_back(titled("alt"));
    EXPECT_EQ(readEntries(fresh, 1, "Kurvenplotter", entries).reason(), "");
    EXPECT_TRUE(entries.empty());
}

TEST(CollectionReader, EntryStartsAndTitles) {
    const Read r = readFunctions("{*short:Titel}\r\n"
                                 "  {  \r\nshort: Zweiter  \r\n}\r\n"
                                 "{\r\nf(x)=x\r\n}\r\n"
                                 "{}\r\n");
    ASSERT_EQ(r.error, "");
    CollectionEntry third = titled("Eintrag 3");
    third.fields[EntryField::Terms] = "f(x)=x";
    EXPECT_EQ(r.entries,
              (std::vector{titled("Titel", true), titled("Zweiter"), third, titled("Eintrag 4")}));
}

TEST(CollectionReader, MultiLineValues) {
    const Read r = readFunctions("{short:A\r\nlong:eins\\nzwei\\end\\}\r\n"
                                 "{short:B\r\nlong:oben\r\n\r\n  unten \\end\\ Rest\r\n"
                                 "asy=y=2*x\\end\\}\r\n"
                                 "{short:C\r\nPunkte=P(1|2)\r\nQ(3|4)}\r\nR\\end\\\r\n");
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].fields[EntryField::LongText], "eins\r\nzwei");
    EXPECT_EQ(r.entries[1].fields[EntryField::LongText], "oben\r\n\r\nunten ");
    EXPECT_EQ(r.entries[1].fields[EntryField::Lines], "y=2*x");
    // A value not yet closed goes on over the line that ends its entry.
    EXPECT_EQ(r.entries[2].fields[EntryField::Points], "P(1|2)\r\nQ(3|4)}\r\nR");
}

TEST(CollectionReader, LineClassesFillTheirFields) {
    const Read r = readFunctions("{short:T\r\nf(x)=x^2 (aus)\r\nh(x)=1\r\n$f2$\r\na=3 (z 0,1)\r\n"
                                 "a[-5;5]\r\nx[-1;1]\r\nDf[0;]\r\nuf=0\r\nx(t)=t}\r\n");
    ASSERT_EQ(r.error, "");
    const auto& f = r.entries.at(0).fields;
    EXPECT_EQ(f[EntryField::Terms], "f(x)=x^2 (aus)\r\nh(x)=1\r\n$f2$");
    // Another mode's term key is only a parameter line here.
    EXPECT_EQ(f[EntryField::Params], "a=3 (z 0,1)\r\nx(t)=t");
    EXPECT_EQ(f[EntryField::Bounds], "a[-5;5]");
    EXPECT_EQ(f[EntryField::Intervals], "x[-1;1]\r\nDf[0;]");
    EXPECT_EQ(f[EntryField::Lowers], "uf=0");
    const Read curves = readFunctions("{short:T\r\nx(t)=cos(t)\r\ny2(t)=t}\r\n", 1);
    EXPECT_EQ(curves.entries.at(0).fields[EntryField::Terms], "x(t)=cos(t)\r\ny2(t)=t");
}

TEST(CollectionReader, TitleEndingWithBraceEndsItsEntry) {
    const Read r = readFunctions("{short:Menge {1}\r\nf(x)=x\r\n}\r\n{short:Zwei}\r\n");
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.entries, (std::vector{titled("Menge {1"), titled("Zwei")}));
}

TEST(CollectionReader, ErrorsKeepWhatWasRead) {
    Read r = readFunctions("{short:Gut}\r\n{short:Halb\r\nnur Worte hier\r\nf(x)=x}\r\n");
    EXPECT_EQ(r.error, kBrokenFile);
    EXPECT_EQ(r.entries, (std::vector{titled("Gut"), titled("Halb")}));

    r = readFunctions("{short:Gut}\r\n{short:Offen\r\nf(x)=x\r\n");
    EXPECT_EQ(r.error, kBrokenFile);
    ASSERT_EQ(r.entries.size(), 2u);
    EXPECT_EQ(r.entries[1].fields[EntryField::Terms], "f(x)=x");

    r = readFunctions("{short:Gut}\r\n{long:nie zu\r\n}\r\n");
    EXPECT_EQ(r.error, kBrokenFile);
    EXPECT_EQ(r.entries.size(), 2u);

    std::vector<CollectionEntry> kept{titled("bleibt")};
    EXPECT_EQ(
        readEntries("[Vestrano]\r\n[Kurvenplotter]\r\n{short:x}", 0, "Funktionenplotter", kept)
            .reason(),
        kNoSectionLine);
    EXPECT_EQ(kept, std::vector{titled("bleibt")});
}

TEST(CollectionReader, NextSectionEndsReading) {
    const Read r = readFunctions("{short:A\r\nf(x)=1\r\n[Kurvenplotter]\r\n{short:B}\r\n");
    ASSERT_EQ(r.error, "");
    ASSERT_EQ(r.entries.size(), 1u);
    EXPECT_EQ(r.entries[0].fields[EntryField::Terms], "f(x)=1");
    // LF-only and lone CR lines read alike.
    const Read lf = readFunctions("{short:A\nf(x)=1\r}\n");
    EXPECT_EQ(lf.entries, r.entries);
}

} // namespace
} // namespace vestrano
