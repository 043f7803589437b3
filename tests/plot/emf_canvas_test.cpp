#include "plot/emf_canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "plot/recording_canvas.h"
#include "state/viewport.h"

namespace vestrano {
namespace {

struct Record {
    uint32_t type;
    std::string body; // without type and size
};

uint32_t u32(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}
int32_t i32(const std::string& bytes, std::size_t at) {
    return static_cast<int32_t>(u32(bytes, at));
}

// Splits a metafile into its records, failing the test on a size that does not add up.
std::vector<Record> records(const std::string& file) {
    std::vector<Record> out;
    for (std::size_t at = 0; at < file.size();) {
        const uint32_t size = u32(file, at + 4);
        EXPECT_EQ(size % 4, 0u);
        EXPECT_LE(at + size, file.size());
        if (size < 8 || at + size > file.size()) {
            break;
        }
        out.push_back({u32(file, at), file.substr(at + 8, size - 8)});
        at += size;
    }
    return out;
}

TEST(EmfCanvas, TheFileHasItsHeaderFrameRecordsAndEnd) {
    Viewport view;
    view.picw = 24000; // 1600 x 1000 pixels at 15 twips
    view.pich = 15000;
    RecordingCanvas metrics;
    EmfCanvas emf(view, metrics);
    emf.selectPen({kSolidPen, 2, 0x0000ff});
    emf.graphMoveTo({10, 20}, {10.25, 20.5});
    emf.graphLineTo({11, 21}, {11.0, 21.0});
    emf.selectFont({"Arial", 12, 700});
    emf.textOut(5, 6, "x²ü");
    const std::string file = emf.finish();
    const std::vector<Record> all = records(file);
    ASSERT_GE(all.size(), 3u);

    const Record& header = all.front();
    EXPECT_EQ(header.type, 1u);
    EXPECT_EQ(u32(header.body, 32), 0x464D4520u); // " EMF"
    EXPECT_EQ(u32(header.body, 40), file.size());
    EXPECT_EQ(u32(header.body, 44), all.size());
    // The frame is the drawing area in 0.01 mm: 24000 / 0.567 and 15000 / 0.567.
    EXPECT_EQ(i32(header.body, 24), 42328);
    EXPECT_EQ(i32(header.body, 28), 26455);
    EXPECT_EQ(all.back().type, 14u);

    std::map<uint32_t, const Record*> first;
    for (const Record& r : all) {
        first.emplace(r.type, &r);
    }
    ASSERT_TRUE(first.count(27) && first.count(54) && first.count(38) && first.count(84));
    // Positions keep their sixteenths of a pixel; the pen its width and colour.
    EXPECT_EQ(i32(first[27]->body, 0), 164);
    EXPECT_EQ(i32(first[27]->body, 4), 328);
    EXPECT_EQ(i32(first[54]->body, 0), 176);
    EXPECT_EQ(i32(first[38]->body, 8), 32);
    EXPECT_EQ(u32(first[38]->body, 16), 0x0000ffu);
    // The text in UTF-16 at its offset, three characters.
    const std::string& text = first[84]->body;
    EXPECT_EQ(u32(text, 36), 3u);
    const uint32_t offset = u32(text, 40) - 8;
    EXPECT_EQ(static_cast<unsigned char>(text[offset + 2]), 0xb2);
    EXPECT_EQ(static_cast<unsigned char>(text[offset + 4]), 0xfc);
}

} // namespace
} // namespace vestrano
