#include "collection/file_encoding.h"

#include <gtest/gtest.h>

namespace vestrano {
namespace {

TEST(FileEncoding, ReadsEachKindOfFile) {
    EXPECT_EQ(decodeFileText("Gr\xF6\xDF"
                             "e \x80\r\n"),
              "Größe €\r\n");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF[Vestrano]\nπ"), "[Vestrano]\nπ");
    EXPECT_EQ(decodeFileText("Maß √2"), "Maß √2");
    // One byte that is no UTF-8 makes the whole file Windows-1252.
    EXPECT_EQ(decodeFileText("\xC3\xA4 \xE4"), "Ã¤ ä");
    // A marked file keeps its valid sequences around a stray byte.
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBFπ\xE4"), "πä");
}

TEST(FileEncoding, WritesWindows1252UnlessACharacterHasNoPlace) {
    EXPECT_EQ(encodeFileText("Größe €\nx\ry\r\n"), "Gr\xF6\xDF"
                                                   "e \x80\r\nx\r\ny\r\n");
    EXPECT_EQ(encodeFileText("ä π\n"), "\xEF\xBB\xBF\xC3\xA4 \xCF\x80\r\n");
    // Bytes that would read back as UTF-8 go marked.
    EXPECT_EQ(decodeFileText(encodeFileText("Ã¤")), "Ã¤");
}

// A marked file with stray bytes whose text begins as the mark's own bytes read as
// Windows-1252: written back, it must not lose them to a second mark.
TEST(FileEncoding, ATextThatBeginsLikeAMarkReadsBackUnchanged) {
    const std::string bytes = "\xEF\xBB\xBF\xEF\xBB\xC2\xBF\xF4\x9B\x87\x87=[F\r\n\xFF";
    const std::string text = decodeFileText(bytes);
    EXPECT_EQ(text, "ï»¿ô›‡‡=[F\r\nÿ");
    EXPECT_EQ(decodeFileText(encodeFileText(text)), text);
    EXPECT_EQ(decodeFileText(encodeFileText("ï»¿[Vestrano]")), "ï»¿[Vestrano]");
}

// Every byte of a Windows-1252 file, the five without a character included, survives a read
// and a write.
TEST(FileEncoding, EveryByteSurvives) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    EXPECT_EQ(encodeFileText(decodeFileText(bytes)), bytes);
}

} // namespace
} // namespace vestrano
