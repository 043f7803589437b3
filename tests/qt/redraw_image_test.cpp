#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "params/param_table.h"
#include "pixels.h"
#include "plot/redraw.h"
#include "render_scene.h"
#include "state/plot_state.h"
#include "support/scripted_ui.h"
#include "ui/canvas/qt_canvas.h"

namespace vestrano {
namespace {

using testing::qrgbOf;
using testing::whitePicture;

// 400 x 300 pixels on -10..10 in both directions: a world unit is 20 columns and 15 rows,
// the y axis is column 200, the x axis row 150.
constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr QRgb kBlack = qRgb(0, 0, 0);

int column(double x) {
    return static_cast<int>((x + 10) * 20);
}
int row(double y) {
    return static_cast<int>((10 - y) * 15);
}

struct DefaultView {
    QImage picture = whitePicture(kWidth, kHeight);
    QtCanvas canvas{picture};
    ScriptedUi ui;
    std::unique_ptr<PlotState> state = std::make_unique<PlotState>();

    explicit DefaultView(const char* f) {
        Scene scene;
        scene.terms[0] = f;
        scene.lineWidth = 2;
        EXPECT_EQ(prepareScene(*state, scene, kWidth, kHeight, canvas, ui), "");
        EXPECT_EQ(state->status.text, "Ok.");
    }
    void draw() {
        redraw(*state, canvas, ui);
        canvas.flush();
    }
    QRgb at(double x, double y) const { return picture.pixel(column(x), row(y)); }
};

// Rows of the slot colour in the column of x.
std::vector<int> graphRows(const DefaultView& view, double x) {
    std::vector<int> rows;
    for (int r = 0; r < kHeight; ++r) {
        if (view.picture.pixel(column(x), r) == qrgbOf(view.state->style.colors[0])) {
            rows.push_back(r);
        }
    }
    return rows;
}

TEST(RedrawImage, DefaultViewShowsGridAxesAndTheGraph) {
    DefaultView view("x/2");
    view.draw();

    const QRgb grid = qrgbOf(view.state->style.colors[3]);
    EXPECT_EQ(view.at(5, 8.2), grid);     // vertical help line at x = 5
    EXPECT_EQ(view.at(-7.7, -3.5), grid); // horizontal help line at y = -3,5
    EXPECT_EQ(view.at(-7.7, -3.6), qRgb(255, 255, 255));
    EXPECT_EQ(view.at(0, -7.7), kBlack);
    EXPECT_EQ(view.at(-6.3, 0), kBlack);
    for (const double x : {-8.0, -2.0, 6.0}) {
        const auto rows = graphRows(view, x);
        ASSERT_FALSE(rows.empty()) << x;
        EXPECT_LE(std::abs(rows.front() - row(x / 2)), 1) << x;
        EXPECT_LE(std::abs(rows.back() - row(x / 2)), 1) << x;
    }
}

TEST(RedrawImage, ParameterChangeRestoresTheGridAndDrawsOnlyTheNewGraph) {
    DefaultView view("a*x");
    view.draw();
    const QRgb slot = qrgbOf(view.state->style.colors[0]);
    EXPECT_EQ(view.at(-5, -5), slot);

    const int a = 8; // the only free parameter takes the first free slot
    ASSERT_EQ(view.state->params[a].parname, "a");
    storeParamValue(*view.state, a, -1);
    view.draw();
    EXPECT_EQ(view.at(-5, 5), slot);
    EXPECT_EQ(view.at(-5, -5), qrgbOf(view.state->style.colors[3])); // crossing of help lines
    EXPECT_EQ(view.at(-4.2, -4.2), qRgb(255, 255, 255));
}

} // namespace
} // namespace vestrano
