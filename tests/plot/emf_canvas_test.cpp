#include "plot/emf_canvas.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "plot/recording_canvas.h"
#include "state/viewport.h"
#include "support/emf_records.h"

namespace vestrano {
namespace {

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
    const std::vector<EmfRecord> all = emfRecords(file);
    ASSERT_GE(all.size(), 3u);

    const EmfRecord& header = all.front();
    EXPECT_EQ(header.type, 1u);
    EXPECT_EQ(u32(header.body, 32), 0x464D4520u); // " EMF"
    EXPECT_EQ(u32(header.body, 40), file.size());
    EXPECT_EQ(u32(header.body, 44), all.size());
    // The frame (the drawing area in 0.01 mm) is the copy window test's matter.
    EXPECT_EQ(all.back().type, 14u);

    std::map<uint32_t, const EmfRecord*> first;
    for (const EmfRecord& r : all) {
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

// A dotted pen carries the screen's pattern as its own style array (a dot, two pixels apart,
// in sixteenths of a pixel). LibreOffice draws such a pen solid, so the line is also written
// dot by dot, counted along its longer axis as the screen counts, the pattern going on across
// a joined line; the pen then stands at the line's end.
TEST(EmfCanvas, ADottedLineKeepsTheScreensDotsInEveryReader) {
    Viewport view;
    view.picw = 1500;
    view.pich = 1500;
    RecordingCanvas metrics;
    EmfCanvas emf(view, metrics);
    emf.selectPen({2, 1, 0x505050}); // dotted
    emf.moveTo(0, 0);
    emf.lineTo(8, 6); // 8 across: dots at 0, 3 and 6
    emf.lineTo(8, 9); // the gap goes on for a pixel, then a dot
    emf.selectPen({kSolidPen, 1, 0});
    emf.lineTo(20, 9);

    std::vector<std::vector<int32_t>> pens;
    std::vector<std::string> path;
    for (const EmfRecord& r : emfRecords(emf.finish())) {
        if (r.type == 95 || r.type == 38) { // extended pen, pen
            std::vector<int32_t> fields;
            for (std::size_t at = 4; at < r.body.size(); at += 4) {
                fields.push_back(i32(r.body, at));
            }
            pens.push_back(fields);
        }
        if (r.type == 27 || r.type == 54) { // move, line
            path.push_back((r.type == 27 ? "M" : "L") + std::to_string(i32(r.body, 0)) + "," +
                           std::to_string(i32(r.body, 4)));
        }
    }
    // No bitmap; geometric, flat ends, user style; 16 wide; solid brush; colour; two entries.
    const std::vector<int32_t> dotted{0, 0, 0, 0, 0x10207, 16, 0, 0x505050, 0, 2, 16, 32};
    EXPECT_EQ(pens, (std::vector<std::vector<int32_t>>{dotted, {kSolidPen, 16, 0, 0}}));
    EXPECT_EQ(path, (std::vector<std::string>{"M0,0", "M0,0", "L16,12", "M48,36", "L64,48",
                                              "M96,72", "L112,84", "M128,96", "M128,112",
                                              "L128,128", "M128,144", "L320,144"}));
}

} // namespace
} // namespace vestrano
