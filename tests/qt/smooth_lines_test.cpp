#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "pixels.h"
#include "plot/redraw.h"
#include "render_scene.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "ui/canvas/qt_canvas.h"

namespace vestrano {
namespace {

using testing::whitePicture;

// 400 x 300 pixels on -10..10 in both directions: a world unit is 20 columns and 15 rows.
constexpr int kWidth = 400;
constexpr int kHeight = 300;

// One graph alone on white: no help lines, axes or numbers in the way of its ink.
QImage drawAlone(const std::string& term, int16_t lineWidth) {
    QImage picture = whitePicture(kWidth, kHeight);
    QtCanvas canvas(picture);
    ScriptedUi ui;
    auto state = std::make_unique<PlotState>();
    Scene scene;
    scene.terms[0] = term;
    scene.lineWidth = lineWidth;
    EXPECT_EQ(prepareScene(*state, scene, kWidth, kHeight, canvas, ui), "");
    state->graph.mn_helpline = false;
    state->graph.mn_axevis = false;
    state->graph.mn_viewnumb = false;
    redraw(*state, canvas, ui);
    canvas.flush();
    return picture;
}

// How much of the slot colour covers a pixel: 0 white, 1 the full colour (80, 80, 255).
double coverage(const QImage& picture, int x, int y) {
    return (255.0 - qRed(picture.pixel(x, y))) / (255.0 - 80.0);
}

struct ColumnInk {
    double total = 0;  // coverage summed over the column
    double centre = 0; // its centre, as a position from the top (pixel centres at r + 0.5)
};

ColumnInk inkOf(const QImage& picture, int x) {
    ColumnInk ink;
    double moment = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const double c = coverage(picture, x, y);
        ink.total += c;
        moment += c * (y + 0.5);
    }
    ink.centre = ink.total > 0 ? moment / ink.total : 0;
    return ink;
}

// Graph lines pass through their exact positions. In every column the ink of the line is
// centred on the graph within a fraction of a pixel, where whole pixels put it up to half a
// pixel off and a hook at each step of a flat line a whole pixel; and a thin line lays about a
// pixel's worth of ink in a column, where the overlapping ends of its segments made beads.
// Columns where the graph is steeper than 45 degrees are left out.
TEST(SmoothLines, GraphsAreDrawnThroughTheirExactPositions) {
    const struct {
        const char* term;
        std::function<double(double)> f;
    } graphs[] = {{"0,05*x+3", [](double x) { return 0.05 * x + 3; }},
                  {"x^2/10", [](double x) { return x * x / 10; }},
                  {"sin(x)", [](double x) { return std::sin(x); }}};
    for (const int16_t width : {1, 2}) {
        for (const auto& g : graphs) {
            SCOPED_TRACE(std::string(g.term) + ", width " + std::to_string(width));
            const QImage picture = drawAlone(g.term, width);
            for (int column = 20; column < kWidth - 20; ++column) {
                const double x = -10 + column / 20.0;
                const double slope = std::abs(g.f(x + 0.01) - g.f(x - 0.01)) / 0.02 * 15 / 20;
                if (slope > 1) {
                    continue;
                }
                const ColumnInk ink = inkOf(picture, column);
                ASSERT_NEAR(ink.centre, (10 - g.f(x)) * 15 + 0.5, 0.25) << column;
                if (width == 1) {
                    ASSERT_LE(ink.total, 1.1 * std::sqrt(1 + slope * slope)) << column;
                }
            }
        }
    }
}

} // namespace
} // namespace vestrano
