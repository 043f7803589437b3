#include "plot/helpline.h"

#include <algorithm>
#include <set>
#include <string>

#include "plot_fixture.h"

namespace vestrano {

class HelpLine : public PlotFixture {
  protected:
    HelpLine() { terms(""); }

    // Columns of the vertical help lines and rows of the horizontal ones.
    std::set<int> helpLines(bool vertical) const {
        std::set<int> at;
        for (const Event& e : canvas.only(Kind::MoveTo)) {
            const PixelPoint p = e.points[0];
            if (e.pen == pen(kHelpLinePen) && (vertical ? p.y == 0 : p.x == 0)) {
                at.insert(vertical ? p.x : p.y);
            }
        }
        return at;
    }

    // Where `text` is written; x numbers are told from y numbers by `row`.
    std::vector<PixelPoint> written(const std::string& text) const {
        std::vector<PixelPoint> at;
        for (const Event& e : canvas.texts()) {
            if (e.text == text) {
                at.push_back(e.points[0]);
            }
        }
        return at;
    }
    bool writtenAt(const std::string& text, PixelPoint p) const {
        const auto at = written(text);
        return std::find(at.begin(), at.end(), p) != at.end();
    }
};

TEST_F(HelpLine, DefaultViewHas41And41LinesAxesArrowsAndNames) {
    draw();
    std::set<int> columns, rows;
    for (int k = 0; k <= 40; ++k) {
        columns.insert(40 * k);
        rows.insert(25 * k);
    }
    EXPECT_EQ(canvas.countLines(pen(kHelpLinePen)), 82u);
    EXPECT_EQ(helpLines(true), columns);
    EXPECT_EQ(helpLines(false), rows);
    EXPECT_EQ(points(canvas.path(pen(kAxisPen))),
              (std::vector<PixelPoint>{{800, 0}, {800, 1000}, {0, 500}, {1600, 500}}));
    const auto arrows = canvas.only(Kind::Polyline);
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_EQ(arrows[0].points, (std::vector<PixelPoint>{{800, 1}, {803, 4}, {797, 4}, {800, 1}}));
    EXPECT_EQ(arrows[1].points,
              (std::vector<PixelPoint>{{1599, 500}, {1596, 503}, {1596, 497}, {1599, 500}}));
    EXPECT_EQ(written("y"), (std::vector<PixelPoint>{{808, -2}}));
    EXPECT_EQ(written("x"), (std::vector<PixelPoint>{{1589, 476}}));
}

// x numbers on row 502, centred on their lines; y numbers right-aligned left of the axis.
TEST_F(HelpLine, NumbersAreCentredOnTheirLinesAndLeftOutWhereTheyCollide) {
    draw();
    EXPECT_EQ(canvas.count(Kind::TextOut), 2u + 39 + 40);
    EXPECT_TRUE(writtenAt("-9,5", {26, 502}));
    EXPECT_TRUE(writtenAt("1", {877, 502}));
    EXPECT_TRUE(writtenAt("-10", {774, 993}));
    EXPECT_TRUE(writtenAt("0,5", {774, 467}));
    EXPECT_TRUE(writtenAt("-0,5", {767, 517}));
    EXPECT_EQ(written("-10").size(), 1u); // at the left edge there is no room for the x number
    EXPECT_EQ(written("10").size(), 1u);  // it would reach past the right edge
    EXPECT_EQ(written("0"), (std::vector<PixelPoint>{{797, 502}})); // y's 0 meets the x row
}

// Text positions are twips of the whole drawing area, more than 16 bits hold beyond 2184
// pixels: a maximised window on a wide or tall screen must still get every number that fits.
TEST_F(HelpLine, WideAndTallAreasGetEveryNumberThatFits) {
    struct Size {
        int width, height;
        std::size_t xNumbers, yNumbers; // 0: not checked
    };
    const Size sizes[] = {
        {2400, 400, 39, 0}, {400, 2400, 0, 40}, {3840, 2160, 39, 40}, {7680, 4320, 39, 40}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        state.view.picw = size.width * 15.0;
        state.view.pich = size.height * 15.0;
        setscale(state);
        draw();
        const int xRow = size.height / 2 + 2;
        std::vector<Event> xs, ys;
        for (const Event& e : canvas.texts()) {
            if (e.font == state.style.font(kLabelFont)) {
                (e.points[0].y == xRow ? xs : ys).push_back(e);
            }
        }
        if (size.xNumbers > 0) {
            ASSERT_EQ(xs.size(), size.xNumbers);
            EXPECT_EQ(xs.front().text, "-9,5");
            EXPECT_EQ(xs.back().text, "9,5");
            // Centred on the help line of their value.
            const double perUnit = size.width / 20.0;
            for (std::size_t i = 0; i < xs.size(); ++i) {
                const double centre = xs[i].points[0].x + 3.5 * xs[i].text.size();
                EXPECT_NEAR(centre, (0.5 + 0.5 * i) * perUnit, 1.0) << xs[i].text;
            }
        }
        if (size.yNumbers > 0) {
            ASSERT_EQ(ys.size(), size.yNumbers);
            EXPECT_EQ(ys.back().text, "10");
        }
        EXPECT_EQ(canvas.countLines(pen(kHelpLinePen)), 82u);
        const int w = size.width;
        const int h = size.height;
        EXPECT_EQ(*helpLines(true).rbegin(), w);
        EXPECT_EQ(*helpLines(false).rbegin(), h);
        EXPECT_EQ(points(canvas.path(pen(kAxisPen))),
                  (std::vector<PixelPoint>{{w / 2, 0}, {w / 2, h}, {0, h / 2}, {w, h / 2}}));
    }
}

TEST_F(HelpLine, AxisOutOfViewMovesTheNumbers) {
    view(2, 10, -10, 10); // no y axis: the y numbers go to the right edge
    draw();
    EXPECT_EQ(canvas.count(Kind::Polyline), 1u);
    EXPECT_TRUE(written("y").empty());
    EXPECT_TRUE(writtenAt("-10", {1574, 993}));
    EXPECT_TRUE(writtenAt("5", {1588, 243}));

    view(-10, 10, 0, 10); // x axis on the bottom edge: the x numbers go above it
    draw();
    EXPECT_EQ(points(canvas.path(pen(kAxisPen)))[2], (PixelPoint{0, 1000}));
    EXPECT_TRUE(writtenAt("1", {877, 982}));
    EXPECT_EQ(written("0").size(), 1u);
}

TEST_F(HelpLine, DisplaySwitchesLeaveOutTheirParts) {
    struct Case {
        bool helpline, axevis, axname, viewnumb;
        std::size_t helpLines, arrows, texts;
    };
    const Case cases[] = {
        {false, true, true, true, 0, 2, 81},
        {true, false, true, true, 82, 0, 79}, // no names without axes
        {true, true, false, true, 82, 2, 79},
        {true, true, true, false, 82, 2, 2},
    };
    for (const Case& c : cases) {
        state.graph.mn_helpline = c.helpline;
        state.graph.mn_axevis = c.axevis;
        state.graph.mn_axname = c.axname;
        state.graph.mn_viewnumb = c.viewnumb;
        canvas.events.clear();
        redrawall(state, canvas, ui);
        EXPECT_EQ(canvas.countLines(pen(kHelpLinePen)), c.helpLines);
        EXPECT_EQ(canvas.count(Kind::Polyline), c.arrows);
        EXPECT_EQ(canvas.count(Kind::TextOut), c.texts);
    }
}

TEST_F(HelpLine, IsDrawnOncePerView) {
    canvas.events.clear();
    redraw(state, canvas, ui);
    redraw(state, canvas, ui);
    EXPECT_EQ(canvas.count(Kind::Clear), 1u);
    EXPECT_EQ(canvas.count(Kind::CaptureBackground), 1u);
    EXPECT_EQ(canvas.count(Kind::RestoreBackground), 1u);
    EXPECT_EQ(canvas.countLines(pen(kHelpLinePen)), 82u);

    view(-5, 5, -5, 5);
    draw();
    EXPECT_EQ(canvas.count(Kind::Clear), 1u);
}

} // namespace vestrano
