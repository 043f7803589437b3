#include "lines/point_list.h"

#include "lines_fixture.h"

namespace vestrano {

class PointsTest : public LinesFixture {
  protected:
    // The dots' corners and the names' positions, in order.
    std::vector<std::vector<PixelPoint>> dots(const RecordingCanvas& canvas) {
        std::vector<std::vector<PixelPoint>> result;
        for (const auto& e : canvas.only(Kind::FillEllipse)) {
            result.push_back(e.points);
        }
        return result;
    }
};

TEST_F(PointsTest, NamedUnnamedAndHiddenDots) {
    typePoint("P(1;2)");
    typePoint("(1;2)");
    typePoint("!Q(0;0)");
    typePoint("f(2)$(2;4)");
    typePoint("R(1,5;2)");
    const RecordingCanvas canvas = drawn();
    // x = 1 is pixel 880, y = 2 pixel 400; x = 1.5 pixel 920.
    const std::vector<std::vector<PixelPoint>> expectedDots{{{878, 398}, {883, 403}},
                                                            {{878, 398}, {883, 403}},
                                                            {{958, 298}, {963, 303}},
                                                            {{918, 398}, {923, 403}}};
    EXPECT_EQ(dots(canvas), expectedDots);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "P");
    EXPECT_EQ(texts[0].points[0], (PixelPoint{880, 400}));
    EXPECT_EQ(texts[0].font.weight, 700);
    EXPECT_EQ(texts[1].text, "Q");
    EXPECT_EQ(texts[1].points[0], (PixelPoint{800, 500}));
    EXPECT_EQ(texts[2].text, "f(2)");
    EXPECT_EQ(texts[3].text, "R");
}

TEST_F(PointsTest, ParameterMovesThePoint) {
    typePoint("P(a;a^2)");
    const int a = paramSlot("a");
    ASSERT_GE(a, 0);
    state.engine.ucSetVariableValueDbl(state.params[a].parhandle, 2);
    EXPECT_EQ(drawn().texts().at(0).points[0], (PixelPoint{960, 300}));
}

TEST_F(PointsTest, TextThatDoesNotFitKeepsItsPartsAndDrawsNothingNew) {
    typePoint("P(1;2");
    ASSERT_EQ(pointRows().size(), 1u);
    EXPECT_TRUE(drawn().events.size() <= 3u); // font, background mode, font back
    EXPECT_TRUE(drawn().texts().empty());

    typePoint("S(3;3)");
    pointRows()[1].selected = true;
    typePoint("S(3;3");
    EXPECT_EQ(pointRows()[1].text, "S(3;3");
    EXPECT_EQ(pointRows()[1].xterm, "3");
}

TEST_F(PointsTest, CheckBoxesChooseDotsAndNames) {
    typePoint("P(1;2)");
    flipPointFlag(ctx, kPointDots);
    RecordingCanvas canvas = drawn();
    EXPECT_TRUE(canvas.only(Kind::FillEllipse).empty());
    EXPECT_EQ(canvas.texts().size(), 1u);
    flipPointFlag(ctx, kPointNames);
    EXPECT_TRUE(drawn().events.empty());
    togglePointsVisible(ctx);
    EXPECT_EQ(state.additional.pointflags, 3);
}

TEST_F(PointsTest, TextFormKeepsColoursAndOffsets) {
    makeliste(state, "P(1;2):255:3:-4\r\n(0;0):0:0:0", ui);
    ASSERT_EQ(pointRows().size(), 2u);
    EXPECT_EQ(pointRows()[0].dx, 3);
    EXPECT_EQ(pointRows()[0].dy, -4);
    EXPECT_EQ(getliste(state), "P(1;2):255:3:-4\r\n(0;0):0:0:0");
    const auto texts = drawn().texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].points[0], (PixelPoint{883, 404}));

    pointRows()[0].selected = true;
    pointRows()[1].selected = true;
    removePoints(ctx);
    EXPECT_TRUE(pointRows().empty());
    EXPECT_EQ(state.additional.pointstext, "");
}

TEST_F(PointsTest, SizeOutsideFiveToThirtyIsIgnored) {
    chsize(ctx, "4");
    chsize(ctx, "31");
    EXPECT_EQ(state.additional.pointsize, 15);
    chsize(ctx, "20");
    EXPECT_EQ(state.additional.pointsize, 20);
    EXPECT_EQ(state.style.font(kPointFont).pixelHeight, 20);
}

TEST_F(PointsTest, ModeSwitchTranslatesThePoints) {
    typePoint("P(x;f(x))");
    chooseMode(ctx, 1);
    EXPECT_EQ(pointRows().at(0).text, "P(t;x(t))");
}

} // namespace vestrano
