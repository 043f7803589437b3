#include "app/animation_export.h"

#include <filesystem>
#include <numeric>
#include <tuple>

#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/command_line.h"
#include "app/interpretall.h"
#include "params/animation_frames.h"
#include "params/param_arithmetic.h"
#include "plot/gif_encoder.h"
#include "plot/gif_palette.h"
#include "settings/text_file.h"
#include "support/gif_frames.h"
#include "support/temp_folder.h"
#include "terms/evaltext.h"

namespace vestrano {
namespace {

FramePicture filled(int width, int height, uint32_t colour) {
    return {width, height, std::vector<uint32_t>(static_cast<std::size_t>(width) * height, colour)};
}

TEST(GifEncoder, FramesLoopForeverWithTheirDelaysAndFewColoursStayExact) {
    GifEncoder encoder(4, 2);
    FramePicture first = filled(4, 2, 0xffffff);
    first.pixels[1] = 0xff5050ff; // the top byte of a picture's word is not a colour
    first.pixels[6] = 0x28a000;
    ASSERT_TRUE(encoder.add(first, {}, 5).ok());
    ASSERT_TRUE(encoder.add(filled(4, 2, 0x123456), {}, 100).ok());
    EXPECT_FALSE(encoder.add(filled(2, 4, 0), {}, 5).ok());
    const auto bytes = encoder.finish();
    ASSERT_TRUE(bytes.ok());
    const DecodedGif gif = decodeGif(bytes.value());
    ASSERT_TRUE(gif.ok);
    EXPECT_TRUE(gif.loopsForever);
    EXPECT_EQ(gif.width, 4);
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(gif.delays, (std::vector<int>{5, 100}));
    std::vector<uint32_t> expected = first.pixels;
    expected[1] = 0x5050ff;
    EXPECT_EQ(gif.frames[0], expected);
    EXPECT_EQ(gif.frames[1], filled(4, 2, 0x123456).pixels);
}

TEST(GifEncoder, ManyColoursKeepThePensAndTheCommonOnesAndShowTheRestAsTheNearest) {
    // 600 shades, each on one pixel, in a white field with one pixel of a pen colour.
    FramePicture frame = filled(100, 20, 0xffffff);
    for (uint32_t i = 0; i < 600; ++i) {
        const uint32_t grey = i * 255 / 600;
        frame.pixels[i] = grey << 16 | grey << 8 | (i % 3);
    }
    frame.pixels[1999] = 0x5050ff;
    const std::vector<uint32_t> keep{0x5050ff};
    FramePalette palette(frame.pixels, keep);
    const std::vector<uint32_t> table = palette.colours();
    ASSERT_EQ(table.size(), 256u);
    EXPECT_EQ(table[0], 0x5050ffu);
    EXPECT_EQ(table[1], 0xffffffu) << "the most frequent colour next";

    GifEncoder encoder(100, 20);
    ASSERT_TRUE(encoder.add(frame, keep, 5).ok());
    const DecodedGif gif = decodeGif(encoder.finish().value_or(""));
    ASSERT_EQ(gif.frames.size(), 1u);
    EXPECT_EQ(gif.frames[0][1999], 0x5050ffu);
    EXPECT_EQ(gif.frames[0][1000], 0xffffffu);
    int exact = 0;
    for (std::size_t i = 0; i < 600; ++i) {
        const uint32_t shown = gif.frames[0][i];
        exact += shown == frame.pixels[i];
        ASSERT_NE(std::ranges::find(table, shown), table.end()) << i;
        for (const uint32_t other : table) {
            EXPECT_LE(colourDistance(shown, frame.pixels[i]),
                      colourDistance(other, frame.pixels[i]))
                << i;
        }
    }
    EXPECT_EQ(exact, 254);
}

TEST(AnimationFrames, ValuesLieOnTheStepsGridAndGoBackWithoutRepeatingTheEnds) {
    const std::vector<double> tenths = frameValues(-2, 2, 41, false);
    ASSERT_EQ(tenths.size(), 41u);
    EXPECT_EQ(tenths[3], -1.7);
    EXPECT_EQ(tenths[23], 0.3);
    EXPECT_EQ(tenths[20], 0);
    EXPECT_EQ(tenths.back(), 2);
    const std::vector<double> sixty = frameValues(-2, 2, 60, false);
    EXPECT_EQ(sixty.size(), 60u);
    EXPECT_EQ(sixty.front(), -2);
    EXPECT_EQ(sixty.back(), 2);
    EXPECT_EQ(frameValues(0, 1, 5, true),
              (std::vector<double>{0, 0.25, 0.5, 0.75, 1, 0.75, 0.5, 0.25}));
    EXPECT_EQ(frameValues(3, 1, 2, true), (std::vector<double>{3, 1}));
}

TEST(AnimationFrames, DelaysInHundredthsAddUpToTheFrameRate) {
    EXPECT_EQ(frameDelays(20, 3), (std::vector<int>{5, 5, 5}));
    EXPECT_EQ(frameDelays(30, 6), (std::vector<int>{3, 4, 3, 3, 4, 3}));
    EXPECT_EQ(frameDelays(1, 2), (std::vector<int>{100, 100}));
    for (int fps = 1; fps <= 50; ++fps) {
        const std::vector<int> delays = frameDelays(fps, static_cast<std::size_t>(fps));
        EXPECT_EQ(std::accumulate(delays.begin(), delays.end(), 0), 100) << fps;
        EXPECT_GE(*std::min_element(delays.begin(), delays.end()), 2) << fps;
    }
}

TEST(CommandLine, AnAnimationIsAGifOfAParameterRun) {
    const auto parsed =
        parseCommandLine({"--export", "lauf.GIF", "s.txt", "--animate", "a", "--from", "-2", "--to",
                          "pi", "--frames", "60", "--fps", "25", "--bounce"});
    ASSERT_EQ(parsed.reason(), "");
    const AnimationRequest& a = parsed.value().animation;
    EXPECT_EQ(std::tie(a.parameter, a.from, a.to, a.frames, a.fps, a.bounce),
              std::make_tuple("a", "-2", "pi", "60", "25", true));
    const AnimationRequest defaults =
        parseCommandLine({"--export", "l.gif", "s.txt", "--animate", "k"}).value().animation;
    EXPECT_EQ(std::tie(defaults.from, defaults.to, defaults.frames, defaults.fps, defaults.bounce),
              std::make_tuple("", "", "50", "20", false));
    EXPECT_NE(helpText().find("--animate PARAMETER"), std::string::npos);
}

// A run over a*x^2 whose frames are the parameter's value, as the drawing saw it.
class AnimationRun : public AppFixture {
  protected:
    TempFolder folder;
    std::vector<double> drawn;
    int slot = -1;

    AnimationRun() {
        term(0, "a*x^2+b");
        interpretall(ctx);
        slot = animatableSlot(state, "A");
        redrawer.count = 0;
    }

    FrameDrawer drawer() {
        return [this](ProgramContext& c) {
            EXPECT_EQ(c.state.busy, 0);
            drawn.push_back(evaltext(c.state.engine, "a"));
            return filled(16, 16, drawn.size() % 2 ? 0xffffff : 0x5050ff);
        };
    }
    AnimationPlan plan(const AnimationRequest& request) {
        return planAnimation(state, ui, slot, request).value();
    }
};

TEST_F(AnimationRun, EveryFrameShowsItsValueAndTheParameterComesBack) {
    ASSERT_EQ(slot, paramSlot("a"));
    EXPECT_EQ(animatableSlot(state, "k"), -1);
    EXPECT_EQ(animatableSlots(state), (std::vector<int>{paramSlot("a"), paramSlot("b")}));
    double v = 0.7;
    setpar(ctx, slot, v);
    const ParamEntry before = state.params[slot];
    redrawer.count = 0;

    const AnimationPlan run = plan({"a", "-1", "1", "5", "25", true});
    EXPECT_EQ(run.values, (std::vector<double>{-1, -0.5, 0, 0.5, 1, 0.5, 0, -0.5}));
    EXPECT_EQ(run.delays, std::vector<int>(8, 4));
    const auto saved = saveAnimation(ctx, run, folder.path("lauf.gif"), drawer());
    ASSERT_EQ(saved.reason(), "");
    EXPECT_EQ(saved.value(), AnimationEnd::Written);
    EXPECT_EQ(drawn, run.values);
    EXPECT_EQ(redrawer.count, 1) << "the screen is drawn once, when the value is back";
    EXPECT_EQ(state.params[slot].parvalue, 0.7);
    EXPECT_EQ(state.params[slot].window.valueText, before.window.valueText);
    EXPECT_EQ(state.params[slot].window.barpos, before.window.barpos);
    EXPECT_EQ(evaltext(state.engine, "a"), 0.7);
    const DecodedGif gif = decodeGif(readWholeFile(folder.path("lauf.gif")).value_or(""));
    EXPECT_EQ(gif.frames.size(), 8u);
    EXPECT_TRUE(gif.loopsForever);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AnimationRun, DefaultsAreTheParametersBoundsAndBadBoxesAreNamed) {
    state.params[slot].parmin = -2;
    state.params[slot].parmax = 3;
    const AnimationPlan run = plan({"a", "", " ", "50", "20", false});
    EXPECT_EQ(run.values.front(), -2);
    EXPECT_EQ(run.values.back(), 3);
    EXPECT_EQ(run.values.size(), 50u);
    EXPECT_EQ(plan({"a", "-pi", "2*1,5", "3", "20", false}).values.back(), 3);

    const std::vector<std::pair<AnimationRequest, std::string>> cases{
        {{"a", "1+", "2", "50", "20", false}, "Unverständliche Eingabe für \"von\"!"},
        {{"a", "1", "wurzel(-1)", "50", "20", false}, "Unverständliche Eingabe für \"bis\"!"},
        {{"a", "1", "2", "0", "20", false}, "\"Bilder\" muss eine ganze Zahl von 2 bis 1000 sein!"},
        {{"a", "1", "2", "1001", "20", false},
         "\"Bilder\" muss eine ganze Zahl von 2 bis 1000 sein!"},
        {{"a", "1", "2", "50", "0", false},
         "\"Bilder pro Sekunde\" muss eine ganze Zahl von 1 bis 50 sein!"},
    };
    for (const auto& [request, error] : cases) {
        EXPECT_EQ(planAnimation(state, ui, slot, request).reason(), error);
    }
    EXPECT_TRUE(ui.messages.empty()) << "the refusal is the only word";
}

TEST_F(AnimationRun, ACancelledOrFailedRunLeavesNoFile) {
    const double before = state.params[slot].parvalue;
    const AnimationPlan run = plan({"a", "-1", "1", "10", "20", false});
    const auto stopped = saveAnimation(ctx, run, folder.path("lauf.gif"), drawer(),
                                       [](int done, int) { return done < 3; });
    ASSERT_TRUE(stopped.ok());
    EXPECT_EQ(stopped.value(), AnimationEnd::Cancelled);
    EXPECT_EQ(drawn.size(), 3u);
    EXPECT_EQ(state.params[slot].parvalue, before);

    const std::string missing = folder.path("fehlt/lauf.gif");
    const auto failed = saveAnimation(ctx, run, missing, drawer());
    EXPECT_EQ(failed.reason(), notWrittenText(missing, "Der Ordner existiert nicht."));
    EXPECT_EQ(state.params[slot].parvalue, before);
    EXPECT_TRUE(std::filesystem::is_empty(folder.folder));
}

} // namespace
} // namespace vestrano
