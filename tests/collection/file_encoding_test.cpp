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
