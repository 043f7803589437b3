#include <QImage>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "params/animation_frames.h"
#include "plot/gif_palette.h"
#include "settings/text_file.h"
#include "support/gif_frames.h"
#include "support/temp_folder.h"
#include "ui/plot/export_run.h"

namespace vestrano {
namespace {

// The parabola entry with `a` at `value`, written as the collection file writes numbers.
std::string parabola(double value) {
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", value);
    std::string text = number;
    std::replace(text.begin(), text.end(), '.', ',');
    return "[Vestrano]\r\n\r\n[Funktionenplotter]\r\n{short:Parabel\r\nf(x)=a*x^2\r\na=" + text +
           "\r\na[-2;2]\r\nx[-5;5]\r\ny[-10;10]}\r\n";
}

// The PNG export's pixels shown through a frame's colours: each of them that the frame has
// stays, every other is the nearest of them.
void expectSameAfterPalette(const QImage& png, const std::vector<uint32_t>& frame, int index) {
    const std::set<uint32_t> table(frame.begin(), frame.end());
    ASSERT_LE(table.size(), 256u);
    ASSERT_EQ(static_cast<std::size_t>(png.width() * png.height()), frame.size());
    int exact = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const uint32_t want = png.pixel(x, y) & 0xffffff;
            const uint32_t shown = frame[static_cast<std::size_t>(y * png.width() + x)];
            if (want == shown) {
                ++exact;
                continue;
            }
            ASSERT_EQ(table.count(want), 0u) << "frame " << index << " at " << x << "," << y;
            for (const uint32_t other : table) {
                ASSERT_LE(colourDistance(shown, want), colourDistance(other, want))
                    << "frame " << index << " at " << x << "," << y;
            }
        }
    }
    // Only shades of smoothed edges may move to a neighbour.
    EXPECT_GT(exact, png.width() * png.height() * 99 / 100) << "frame " << index;
}

TEST(AnimationExport, EachFrameIsThePngExportOfItsValueAndTheFileLoopsForever) {
    TempFolder folder;
    const std::string collection = folder.path("parabel.txt");
    ASSERT_TRUE(writeFileAtomically(collection, parabola(1)).ok());
    ExportRequest request{folder.path("lauf.gif"), collection, "", 800, 600};
    AnimationRequest animation{"a", "-2", "2", "60", "20", false};
    std::ostringstream errors;
    ASSERT_EQ(exportAnimation(request, animation, errors), 0) << errors.str();
    EXPECT_EQ(errors.str(), "");
    const std::string bytes = readWholeFile(request.picture).value_or("");
    EXPECT_LT(bytes.size(), 2u * 1024 * 1024);
    const DecodedGif gif = decodeGif(bytes);
    ASSERT_TRUE(gif.ok);
    EXPECT_TRUE(gif.loopsForever);
    EXPECT_EQ(gif.width, 800);
    EXPECT_EQ(gif.height, 600);
    ASSERT_EQ(gif.frames.size(), 60u);
    EXPECT_EQ(gif.delays, std::vector<int>(60, 5));

    const std::vector<double> values = frameValues(-2, 2, 60, false);
    ExportRequest still{folder.path("bild.png"), folder.path("wert.txt"), "", 800, 600};
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_TRUE(writeFileAtomically(still.collection, parabola(values[i])).ok());
        ASSERT_EQ(exportPicture(still, errors), 0) << errors.str();
        const QImage png(QString::fromStdString(still.picture));
        expectSameAfterPalette(png, gif.frames[i], static_cast<int>(i));
    }
    EXPECT_NE(gif.frames[0], gif.frames[30]) << "the parabola moves";
}

TEST(AnimationExport, AnUnknownParameterOrAnUnwritableTargetIsToldAndLeavesNoFile) {
    TempFolder folder;
    ExportRequest request{folder.path("lauf.gif"),
                          VESTRANO_SOURCE_DIR "/tests/data/export_sample.txt", "", 200, 150};
    AnimationRequest animation{"k", "", "", "5", "20", false};
    std::ostringstream errors;
    EXPECT_EQ(exportAnimation(request, animation, errors), 1);
    EXPECT_EQ(errors.str(), "Die Sammlung \"" VESTRANO_SOURCE_DIR
                            "/tests/data/export_sample.txt\", Eintrag \"Parabel\", hat keinen "
                            "Parameter \"k\".\n");

    errors.str("");
    animation = {"C", "1+", "", "5", "20", false};
    EXPECT_EQ(exportAnimation(request, animation, errors), 2);
    EXPECT_EQ(errors.str(), "Unverständliche Eingabe für --from!\n");

    errors.str("");
    animation.from = "";
    request.picture = folder.path("fehlt/lauf.gif");
    EXPECT_EQ(exportAnimation(request, animation, errors), 1);
    EXPECT_EQ(errors.str(), notWrittenText(request.picture, "Der Ordner existiert nicht.") + "\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder.folder));
}

} // namespace
} // namespace vestrano
