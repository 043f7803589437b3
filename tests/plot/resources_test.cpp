#include "plot/resources.h"

#include <vector>

#include <array>

#include <gtest/gtest.h>

#include "state/plot_state.h"
#include "state/text_metrics.h"

namespace vestrano {

TEST(MakePens, SlotPenIsRebuiltOnlyWhenWidthOrColourChanged) {
    PlotState state;
    makepens(state, kSlotPens);
    EXPECT_EQ(state.style.penSpecs[0], (PenSpec{kSolidPen, 1, 16732240}));
    EXPECT_GT(state.style.pens[2], 0);
    EXPECT_EQ(state.style.pens[kHelpLinePen], 0);

    auto before = state.style.pens;
    makepens(state, kSlotPens);
    EXPECT_EQ(state.style.pens, before);

    state.slots[1].ldicke = 3;
    state.style.colors[2] = 0x00ff00;
    state.style.ldickeovr[0] = 0; // the entry's width wins even when it is 0
    makepens(state, kSlotPens);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(state.style.pens[i], before[i]) << i;
    }
    EXPECT_EQ(state.style.penwidth, (std::array<int16_t, 3>{0, 3, 1}));
    EXPECT_EQ(state.style.penSpecs[2].color, 0x00ff00);
}

TEST(MakePens, FixedPensAndFontsFollowTheSettings) {
    PlotState state;
    state.style.fontz = 14;
    state.style.fontxy = 18;
    state.additional.pointsize = 20;
    state.style.axiswidth = 3;
    makepens(state, kFixedPens | kSlotPens);
    const auto first = state.style.pens;
    makepens(state, kFixedPens);
    EXPECT_EQ(state.style.pens[0], first[0]);
    EXPECT_GT(state.style.pens[kPointFont], first[kPointFont]);
    const DrawingStyle& s = state.style;
    EXPECT_EQ(s.penSpecs[kHelpLinePen], (PenSpec{kSolidPen, 1, 13816530}));
    EXPECT_EQ(s.penSpecs[kAxisPen], (PenSpec{kSolidPen, 3, 0}));
    EXPECT_EQ(s.font(kLabelFont), (FontSpec{"Arial", 14, 400}));
    EXPECT_EQ(s.font(kAxisNameFont), (FontSpec{"Arial", 18, 700}));
    EXPECT_EQ(s.font(kPointFont), (FontSpec{"Arial", 20, 700}));
}

// A bold font is one pixel taller; width is half the height.
class FakeMetrics : public TextMetrics {
  public:
    std::vector<std::string> texts;
    TextSize measure(const FontSpec& font, std::string_view text) override {
        texts.emplace_back(text);
        return {font.pixelHeight / 2, font.pixelHeight + (font.weight > 400 ? 1 : 0)};
    }
};

TEST(FoSize, MeasuresTheDigitInLabelAndAxisNameFont) {
    PlotState state;
    state.view.tppx = 15;
    state.view.tppy = 12;
    FakeMetrics metrics;
    fosize(state, metrics);
    EXPECT_EQ(metrics.texts, (std::vector<std::string>{"0", "0"}));
    // Entry 1 is the label font (12 px), entry 0 the bold axis-name font (16 px).
    EXPECT_EQ(state.style.charw, (std::array<int16_t, 2>{8 * 15, 6 * 15}));
    EXPECT_EQ(state.style.charh, (std::array<int16_t, 2>{17 * 12, 12 * 12}));
}

} // namespace vestrano
