#include "collection/collection_file.h"

#include <gtest/gtest.h>

#include "entry_print.h"

namespace vestrano {
namespace {

CollectionEntry entry(std::array<std::string, kEntryFieldCount> fields, bool isProtected = false) {
    return {fields, isProtected};
}

TEST(CollectionWriter, SectionTextIsTheFileFormat) {
    const std::vector<CollectionEntry> entries{
        entry({"Parabel", "Eine\r\nParabel", "f(x)=a*x^2\r\n\r\n$f2$\r\n", "a=1", "a[-5;5]",
               "x[-10;10]\r\ny[-10;10]", "", "y=2\r\n", "P(1|1)  "},
              true),
        entry({"Leer", "", "", "", "", "", "", "", ""})};
    EXPECT_EQ(sectionText(entries), "{*short:Parabel\r\n"
                                    "long:Eine\r\nParabel\\end\\\r\n"
                                    "asy=y=2\\end\\\r\n"
                                    "Punkte=P(1|1)\\end\\\r\n"
                                    "f(x)=a*x^2\r\n$f2$\r\n"
                                    "a=1\r\n"
                                    "a[-5;5]\r\n"
                                    "x[-10;10]\r\ny[-10;10]}\r\n"
                                    "{short:Leer\r\n"
                                    "long:\\end\\}");
    EXPECT_EQ(sectionText({}), "");
}

TEST(CollectionWriter, RemcrlfDropsEmptyLinesAndTheLastBreak) {
    EXPECT_EQ(remcrlf("a\r\n\r\n\r\nb\r\n\r\n  "), "a\r\nb");
    EXPECT_EQ(remcrlf("\r\n\r\n"), "");
    EXPECT_EQ(remcrlf("a\r\r\n\r\n"), "a\r");
}

// Every entry the program can make comes back with the same fields and flag.
TEST(CollectionWriter, EntriesReadBackUnchanged) {
    const std::vector<CollectionEntry> entries{
        entry({"Größe {Maß}  äöüß €", "Zeile 1\r\n\r\n{Mitte}\r\nEnde }\r\nletzte",
               "f(x)=wenn(x<0;{x};1) (aus)\r\ng(x)=x\r\nh(x)=x^3\r\n$f2$$h5$",
               "a=2.5 (h 0.1)\r\nanzf=499", "a[-5;5]\r\nanzf[1;1000]",
               "x[-1;1]\r\ny[-1;1]\r\nDf[-1;}]", "uf=0\r\nug=1.5\r\nuh=-1", "y=2*x}\r\nx=3",
               "P(1|2)\r\nQ(-1|0)"},
              true),
        entry({"Eintrag 2", "", "", "", "", "", "", "", ""}),
        entry({"Nur Text", "{nur} eine Zeile", "", "", "", "", "", "", "Z(0|0)"}),
        entry({"Klammern am Schluss", "", "h(x)={x}+1", "", "", "", "", "", ""}),
        entry({"Punkte am Schluss", "", "", "", "", "", "", "", "P({1}|2)}\r\nQ"})};
    std::vector<CollectionEntry> read;
    ASSERT_EQ(
        readEntries("[Funktionenplotter]\r\n" + sectionText(entries), 0, "Funktionenplotter", read)
            .reason(),
        "");
    EXPECT_EQ(read, entries);
}

} // namespace
} // namespace vestrano
