#include "ui/canvas/qt_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontDatabase>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <array>
#include <string>
#include <vector>

#include "pixels.h"

namespace vestrano {
namespace {

using testing::inkBounds;
using testing::qrgbOf;
using testing::rgbValue;
using testing::whitePicture;

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr int32_t kGrid = rgbValue(210, 210, 210);
constexpr int32_t kBlue = rgbValue(80, 80, 255);
constexpr int32_t kGreen = rgbValue(0, 160, 40);
constexpr PenSpec kGridPen{kSolidPen, 1, kGrid};
constexpr PenSpec kAxisPen{kSolidPen, 2, 0};
constexpr PenSpec kBluePen{kSolidPen, 2, kBlue};
const FontSpec kLabelFont{"Arial", 12, 400};

void line(Canvas& canvas, int x0, int y0, int x1, int y1) {
    canvas.moveTo(x0, y0);
    canvas.lineTo(x1, y1);
}

// Rows of column x, from y0 to y1, that hold the colour exactly.
std::vector<int> rowsOf(const QImage& image, int x, int y0, int y1, QRgb colour) {
    std::vector<int> rows;
    for (int y = y0; y <= y1; ++y) {
        if (image.pixel(x, y) == colour) {
            rows.push_back(y);
        }
    }
    return rows;
}

// Antialiasing leaves pixels that are neither the background nor the ink.
bool hasBlend(const QImage& image, const QRect& area, QRgb ink) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != kWhite && image.pixel(x, y) != ink) {
                return true;
            }
        }
    }
    return false;
}

class QtCanvasTest : public ::testing::Test {
  protected:
    QImage picture = whitePicture(200, 100);
    QtCanvas canvas{picture};

    void startGraphs() {
        canvas.clear();
        canvas.captureBackground();
    }
};

TEST_F(QtCanvasTest, GridAndAxisPensAreCrispAfterEveryClear) {
    startGraphs();
    line(canvas, 0, 40, 99, 40);
    canvas.clear(); // wipes the graph and starts a crisp grid again
    canvas.selectPen(kGridPen);
    line(canvas, 20, 0, 20, 99);
    line(canvas, 0, 30, 99, 30);
    canvas.selectPen(PenSpec{kSolidPen, 0, kGrid});
    line(canvas, 0, 60, 99, 60);
    canvas.selectPen(kAxisPen);
    line(canvas, 70, 0, 70, 99);
    canvas.flush();

    EXPECT_EQ(rowsOf(picture, 50, 25, 45, qrgbOf(kGrid)), std::vector<int>{30});
    EXPECT_EQ(rowsOf(picture, 50, 55, 65, qrgbOf(kGrid)), std::vector<int>{60});
    EXPECT_EQ((std::array{picture.pixel(19, 80), picture.pixel(20, 80), picture.pixel(21, 80)}),
              (std::array{kWhite, qrgbOf(kGrid), kWhite}));
    // The axis pen is two whole columns of black beside white, no grey edge.
    std::vector<int> black;
    for (int x = 66; x <= 74; ++x) {
        EXPECT_TRUE(picture.pixel(x, 50) == kWhite || picture.pixel(x, 50) == kBlack) << x;
        if (picture.pixel(x, 50) == kBlack) {
            black.push_back(x);
        }
    }
    EXPECT_EQ(black.size(), 2u);
}

TEST_F(QtCanvasTest, GraphsAreAntialiasedInTheirColourCentredOnThePixel) {
    startGraphs();
    canvas.selectPen(PenSpec{kSolidPen, 1, kBlue});
    line(canvas, 10, 40, 90, 40);
    line(canvas, 10, 60, 90, 75);
    canvas.flush();

    EXPECT_EQ(rowsOf(picture, 50, 35, 45, qrgbOf(kBlue)), std::vector<int>{40});
    EXPECT_EQ(inkBounds(picture, QRect(45, 35, 10, 10)), QRect(45, 40, 10, 1));
    EXPECT_TRUE(hasBlend(picture, QRect(10, 58, 81, 20), qrgbOf(kBlue)));
}

TEST_F(QtCanvasTest, RunsKeepTheirPenAndBreakAtMoveTo) {
    startGraphs();
    canvas.selectPen(kBluePen);
    canvas.moveTo(10, 20);
    canvas.lineTo(40, 20);
    canvas.lineTo(40, 50);
    EXPECT_EQ(canvas.selectPen(PenSpec{kSolidPen, 2, kGreen}), kBluePen);
    canvas.lineTo(80, 50);
    line(canvas, 10, 80, 30, 80);
    EXPECT_EQ(canvas.moveTo(60, 80), (PixelPoint{30, 80}));
    canvas.lineTo(90, 80);
    canvas.flush();

    const QRgb blue = qrgbOf(kBlue);
    const QRgb green = qrgbOf(kGreen);
    EXPECT_EQ((std::array{picture.pixel(25, 20), picture.pixel(40, 35), picture.pixel(60, 50),
                          picture.pixel(20, 80), picture.pixel(45, 80), picture.pixel(75, 80)}),
              (std::array{blue, blue, green, green, kWhite, green}));
}

TEST_F(QtCanvasTest, StraightRunsDrawAsOneLineAndZeroLengthLinesDrawNothing) {
    QImage single = picture.copy();
    for (QImage* target : {&picture, &single}) {
        QtCanvas c(*target);
        c.clear();
        c.captureBackground();
        c.selectPen(kBluePen);
        c.moveTo(10, 10);
        if (target == &picture) {
            c.lineTo(30, 20);
            c.lineTo(30, 20);
            c.lineTo(50, 30);
        }
        c.lineTo(70, 40);
        line(c, 50, 80, 50, 80);
    }
    EXPECT_EQ(picture, single);
    EXPECT_EQ(inkBounds(single, QRect(40, 70, 20, 20)), QRect());
}

TEST_F(QtCanvasTest, EllipseIsFilledWithoutOutlineAndPolylineUsesThePen) {
    startGraphs();
    canvas.selectPen(kAxisPen);
    canvas.selectBrush(kGreen);
    canvas.fillEllipse(20, 20, 40, 40);
    const std::array<PixelPoint, 3> points{{{60, 10}, {80, 10}, {80, 30}}};
    canvas.polyline(points);
    canvas.flush();

    EXPECT_EQ(picture.pixel(30, 30), qrgbOf(kGreen));
    EXPECT_EQ(picture.pixel(21, 21), kWhite);
    EXPECT_EQ(inkBounds(picture, QRect(0, 0, 50, 50)), QRect(20, 20, 20, 20));
    EXPECT_TRUE(hasBlend(picture, QRect(20, 20, 20, 20), qrgbOf(kGreen)));
    EXPECT_EQ(picture.pixel(70, 10), kBlack);
    EXPECT_EQ(picture.pixel(80, 20), kBlack);
}

TEST_F(QtCanvasTest, TextIsDrawnInsideTheMeasuredCellInAnInstalledFace) {
    EXPECT_TRUE(QFontDatabase::hasFamily(installedFace("arial")));
    const TextSize digit = canvas.measure(kLabelFont, "0");
    const TextSize label = canvas.measure(kLabelFont, "-0,25");
    EXPECT_GE(digit.height, 12);
    EXPECT_LE(digit.height, 16);
    EXPECT_GT(canvas.measure(FontSpec{"Arial", 16, 700}, "0").width, digit.width);

    canvas.clear();
    canvas.selectFont(kLabelFont);
    canvas.setTransparentText(true);
    canvas.setTextColor(rgbValue(255, 0, 0));
    canvas.textOut(20, 30, "-0,25");
    canvas.flush();
    const QRect ink = inkBounds(picture, picture.rect());
    EXPECT_TRUE(QRect(20, 30, label.width, label.height).contains(ink));
    EXPECT_GE(ink.width(), label.width - 3);
    EXPECT_GE(ink.height(), 8);
    EXPECT_GE(picture.pixelColor(ink.center()).red(), picture.pixelColor(ink.center()).green());

    // Opaque text covers the grid in its cell (row 70 lies above the letter), transparent
    // text leaves it.
    canvas.selectPen(kGridPen);
    line(canvas, 0, 70, 199, 70);
    canvas.setTransparentText(false);
    canvas.textOut(100, 68, "x");
    canvas.setTransparentText(true);
    canvas.textOut(150, 68, "x");
    canvas.flush();
    EXPECT_EQ((std::array{picture.pixel(102, 70), picture.pixel(152, 70), picture.pixel(130, 70)}),
              (std::array{kWhite, qrgbOf(kGrid), qrgbOf(kGrid)}));
}

TEST_F(QtCanvasTest, RestoreBringsBackTheGridAndDropsTheGraphs) {
    canvas.clear();
    canvas.selectPen(kGridPen);
    line(canvas, 0, 50, 99, 50);
    canvas.captureBackground();
    const QImage grid = picture.copy();
    canvas.selectPen(kBluePen);
    line(canvas, 10, 10, 90, 90);
    canvas.flush();
    EXPECT_EQ(picture.pixel(50, 50), qrgbOf(kBlue));

    canvas.restoreBackground();
    line(canvas, 10, 90, 90, 10); // still kept back when the next restore comes
    canvas.restoreBackground();
    canvas.flush();
    EXPECT_EQ(picture, grid);

    line(canvas, 10, 20, 90, 20);
    canvas.flush();
    EXPECT_EQ(picture.pixel(50, 20), qrgbOf(kBlue));
    EXPECT_EQ(picture.pixel(30, 50), qrgbOf(kGrid));
}

// A dragged view: the grid follows the pointer, the edge it leaves is blank.
TEST_F(QtCanvasTest, MovedBackgroundFollowsTheOffset) {
    canvas.clear();
    canvas.selectPen(kGridPen);
    line(canvas, 0, 50, 99, 50);
    line(canvas, 0, 95, 99, 95);
    canvas.captureBackground();
    canvas.restoreMovedBackground({7, -20});
    canvas.flush();
    EXPECT_EQ(inkBounds(picture, QRect(0, 0, 7, picture.height())), QRect());
    EXPECT_EQ(picture.pixel(50, 30), qrgbOf(kGrid));
    EXPECT_EQ(picture.pixel(50, 50), kWhite);
    EXPECT_EQ(picture.pixel(50, 75), qrgbOf(kGrid));
    EXPECT_EQ(inkBounds(picture, QRect(0, picture.height() - 20, picture.width(), 20)), QRect());

    // A new background of the same size replaces the old one.
    canvas.clear();
    canvas.captureBackground();
    canvas.restoreBackground();
    canvas.flush();
    EXPECT_EQ(inkBounds(picture, picture.rect()), QRect());
}

TEST_F(QtCanvasTest, StaleBackgroundClearsAndEmptyPicturesAreSafe) {
    startGraphs();
    canvas.flush();
    picture = QImage(60, 40, QImage::Format_RGB32); // the window was resized
    picture.fill(Qt::black);
    canvas.restoreBackground();
    canvas.flush();
    EXPECT_EQ(inkBounds(picture, picture.rect()), QRect());

    QImage empty;
    QtCanvas nothing(empty);
    nothing.clear();
    line(nothing, 0, 0, 10, 10);
    nothing.textOut(0, 0, "x");
    nothing.captureBackground();
    nothing.restoreBackground();
    nothing.flush();
    EXPECT_TRUE(empty.isNull());
}

TEST(QtCanvasDevice, VectorDeviceKeepsItsGraphsAndGetsEveryLine) {
    QPicture copy;
    {
        QtCanvas canvas(copy);
        canvas.selectPen(kGridPen);
        line(canvas, 0, 50, 99, 50);
        canvas.captureBackground();
        canvas.selectPen(kBluePen);
        line(canvas, 20, 10, 20, 90);
        canvas.flush();
        canvas.restoreBackground(); // nothing kept to restore: the graph stays
        line(canvas, 60, 10, 60, 90);
    }
    QImage picture = whitePicture(100, 100);
    QPainter(&picture).drawPicture(0, 0, copy);
    EXPECT_EQ((std::array{picture.pixel(40, 50), picture.pixel(20, 30), picture.pixel(60, 30)}),
              (std::array{qrgbOf(kGrid), qrgbOf(kBlue), qrgbOf(kBlue)}));
}

// The screen lays a dotted line's pattern (a dot, two pixels apart) along the longer axis; an
// SVG lays it along the line, so there it is stretched by the line's slant, and its dashes
// have flat ends that do not lengthen the dots.
TEST(QtCanvasDevice, VectorDotsLieWhereTheScreenHasThem) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(100, 100));
    {
        QtCanvas canvas(svg);
        canvas.captureBackground();
        canvas.selectPen({2, 1, kBlue}); // dotted
        line(canvas, 10, 10, 90, 10);
        line(canvas, 10, 20, 90, 80); // 80 across, 60 down: 100 long
        canvas.flush();
    }
    const QString text = QString::fromUtf8(buffer.data());
    const QRegularExpression stroke("stroke-dasharray=\"([^\"]*)\"[^>]*stroke-linecap=\"(\\w+)\"");
    std::vector<std::string> found;
    for (auto it = stroke.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        found.push_back((match.captured(1) + " " + match.captured(2)).toStdString());
    }
    EXPECT_EQ(found, (std::vector<std::string>{"1,2 butt", "1.25,2.5 butt"}));
}

} // namespace
} // namespace vestrano
