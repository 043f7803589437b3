#include "lines/line_list.h"

#include "lines_fixture.h"

namespace vestrano {

namespace {

constexpr int32_t kLineColor = 5242960; // RGB 80, 0, 80

// The segments drawn: pairs of move and line.
std::vector<std::pair<PixelPoint, PixelPoint>> segments(const RecordingCanvas& canvas) {
    std::vector<std::pair<PixelPoint, PixelPoint>> result;
    PixelPoint from;
    for (const auto& e : canvas.events) {
        if (e.kind == Kind::MoveTo) {
            from = e.points[0];
        } else if (e.kind == Kind::LineTo) {
            result.emplace_back(from, e.points[0]);
        }
    }
    return result;
}

using Segment = std::pair<PixelPoint, PixelPoint>;

} // namespace

class LinesTest : public LinesFixture {};

TEST_F(LinesTest, TypedLinesAreCompletedReplacedAndStoredPerRow) {
    typeLine("2*x+1");
    typeLine("x=3");
    ASSERT_EQ(lineRows().size(), 2u);
    EXPECT_EQ(lineRows()[0].text, "y=2*x+1");
    EXPECT_EQ(lineRows()[0].color, kLineColor);

    lineRows()[0].color = 255;
    typeLine("  y = 2*x + 1 ");
    ASSERT_EQ(lineRows().size(), 2u);
    EXPECT_EQ(lineRows()[0].text, "y = 2*x + 1");
    EXPECT_EQ(lineRows()[0].color, 255);

    // A line typed after an entry gets a row of its own, not the place of the one just entered.
    typeLine("y=5");
    EXPECT_EQ(lineRows().size(), 3u);

    chli(ctx, 1, "3");
    chli(ctx, 2, "9");
    EXPECT_EQ(state.additional.modelines[0],
              "c=255:y = 2*x + 1\r\nc=5242960:x=3:3\r\nc=5242960:y=5");
}

TEST_F(LinesTest, StoredTextGivesRowsEvenWhenOnlyLaterRecordsHaveColours) {
    state.additional.modelines[0] = "y=x\r\nc=255:x=1:4\r\nc=65280:y=2:";
    text2list(state);
    ASSERT_EQ(lineRows().size(), 3u);
    EXPECT_EQ(lineRows()[0].text, "y=x");
    EXPECT_EQ(lineRows()[0].color, kLineColor);
    EXPECT_EQ(lineRows()[1].color, 255);
    EXPECT_EQ(lineRows()[1].linetype, '4');
    EXPECT_EQ(lineRows()[2].linetype, ' ');
}

TEST_F(LinesTest, ParametersOfLinesAndPointsAreFoundAndLeaveTheStatusOk) {
    typeLine("y=m*x+t");
    EXPECT_GE(paramSlot("m"), 0);
    EXPECT_GE(paramSlot("t"), 0);
    typePoint("P(a;a^2)");
    EXPECT_GE(paramSlot("a"), 0);
    typePoint("Q(1;2");
    EXPECT_EQ(state.status.text, "Ok.");

    typeLine("y=2*x+");
    EXPECT_EQ(state.status.text, "Geradenfenster: Ungültiger Term");
}

// x = 3 is column 1040; y = 100 lies above the picture yet is drawn; y = 4x is clipped where it
// reaches y = -10 and 10, at x = -2.5 and 2.5; a pole, a division by zero or no equation at all
// draw nothing and say nothing.
TEST_F(LinesTest, LinesAreDrawnAcrossOrClippedToThePicture) {
    const struct {
        std::vector<std::string> typed;
        std::vector<Segment> drawn;
    } cases[] = {{{"x=3", "x=12", "y=x", "y=100", "z=1"},
                  {{{1040, 1000}, {1040, 0}}, {{0, 1000}, {1600, 0}}, {{0, -4500}, {1600, -4500}}}},
                 {{"y=4*x"}, {{{600, 1000}, {1000, 0}}}},
                 {{}, {}},
                 {{"y=1/(x-10)", "x=1/0"}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.empty() ? "nothing" : c.typed[0]);
        lineRows().clear();
        for (const std::string& line : c.typed) {
            typeLine(line);
        }
        EXPECT_EQ(segments(drawn()), c.drawn);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LinesTest, RowTypeOverridesTheDefaultType) {
    typeLine("y=1");
    typeLine("y=2");
    chli(ctx, 1, "3");
    const RecordingCanvas canvas = drawn();
    const auto lines = canvas.only(Kind::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen, (PenSpec{2, 1, kLineColor}));
    EXPECT_EQ(lines[1].pen, (PenSpec{3, 1, kLineColor}));
    // The surface's pen is given back.
    EXPECT_EQ(canvas.events.back().pen, PenSpec{});
}

TEST_F(LinesTest, UnparsableEquationsAreListedOnceAndTheOthersDrawn) {
    typeLine("y=2*x+");
    typeLine("y=1");
    EXPECT_EQ(segments(drawn()).size(), 1u);
    drawn();
    EXPECT_EQ(ui.messages,
              (Messages{{"Ungültiger Term: y=2*x+", "Geradenfenster:", MessageIcon::Critical}}));
}

TEST_F(LinesTest, DefaultTypeOutsideItsRangeIsRefused) {
    chdicke(ctx, "7");
    EXPECT_EQ(ui.messages, (Messages{{"Unerlaubter Wert für die Linienart!",
                                      "Fehler:", MessageIcon::Critical}}));
    EXPECT_EQ(state.additional.astil, 2);
    chdicke(ctx, "5");
    EXPECT_EQ(state.additional.astil, 5);
}

TEST_F(LinesTest, SelectedRowsAreRemovedAndColoursChosenOrKept) {
    typeLine("y=1");
    typeLine("y=2");
    typeLine("y=3");
    lineRows()[0].selected = true;
    lineRows()[1].selected = true;
    removeLines(ctx);
    ASSERT_EQ(lineRows().size(), 1u);
    EXPECT_EQ(state.additional.modelines[0], "c=5242960:y=3");

    chooseLineColour(ctx, 0); // cancelled
    EXPECT_EQ(lineRows()[0].color, kLineColor);
    ui.colors.push_back(uint32_t{255});
    chooseLineColour(ctx, 0);
    EXPECT_EQ(state.additional.modelines[0], "c=255:y=3");
}

TEST_F(LinesTest, CurveModeLinesAreDrawnInTheCurveParameter) {
    chooseMode(ctx, 1);
    setscale(state);
    typeLine("y=x");
    typeLine("x=t");
    EXPECT_EQ(lineRows()[0].engtext, "y=t");
    EXPECT_EQ(lineRows()[1].engtext, "x=t0");
    EXPECT_GE(paramSlot("t0"), 0);
    chooseMode(ctx, 0);
    EXPECT_TRUE(lineRows().empty());
    chooseMode(ctx, 1);
    EXPECT_EQ(lineRows().size(), 2u);
}

} // namespace vestrano
