#pragma once

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>

#include <vector>

#include "plot/canvas.h"
#include "ui/canvas/qt_fonts.h"

namespace vestrano {

// Draws through QPainter. Everything drawn between `clear` and `captureBackground` is the
// grid and axes: crisp, without antialiasing. Everything after the background is captured
// or restored is graphs and marks: antialiased, with a vertex at the centre of its pixel,
// graphs through their exact positions.
//
// Lines are kept back and drawn together. A graph of a thin pen is drawn as one polyline, so
// its segments join without a seam; Qt draws that as fast as separate segments. Wider pens,
// and the grid, go to one `drawLines` call: Qt's raster engine draws a wide antialiased pen
// over ten times faster as separate segments than as one polyline (3 x 1600 segments of
// width 2: 1.5 ms against 15 ms).
class QtCanvas final : public Canvas {
  public:
    // Draws into the drawing area's persistent picture, which must outlive the canvas.
    // The background is a copy of it. Between frames (after `flush`) the owner may show,
    // copy or replace the picture.
    explicit QtCanvas(QImage& picture);
    // Draws on a device without a persistent picture (a vector copy): there is no
    // background to keep, so capture and restore only end the grid phase.
    explicit QtCanvas(QPaintDevice& device);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Draws what is still kept back. With a picture it also lets go of the image, so call
    // it at the end of every frame before the picture is shown.
    void flush();

    PenSpec selectPen(const PenSpec& pen) override;
    FontSpec selectFont(const FontSpec& font) override;
    int32_t selectBrush(int32_t color) override;

    PixelPoint moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void graphMoveTo(PixelPoint pixel, ExactPoint exact) override;
    void graphLineTo(PixelPoint pixel, ExactPoint exact) override;
    void polyline(std::span<const PixelPoint> points) override;
    void fillEllipse(int left, int top, int right, int bottom) override;

    void textOut(int x, int y, std::string_view text) override;
    void setTextColor(int32_t color) override;
    void setTransparentText(bool transparent) override;

    void clear() override;
    void captureBackground() override;
    void restoreBackground() override;
    void restoreMovedBackground(PixelPoint offset) override;

    TextSize measure(const FontSpec& font, std::string_view text) override;

  private:
    QPainter* painter(); // null when the device cannot be painted on (an empty picture)
    void drawPendingLines();
    void dropPendingLines();
    void setGraphPhase(bool graphs);
    QPointF vertex(double x, double y) const;
    bool joinsLines() const;
    void startAt(QPointF point);
    void lineToPoint(QPointF to);
    bool goesStraightOn(QPointF from, QPointF to) const;
    void drawDashedLine(QPointF from, QPointF to);

    QPaintDevice* device_;
    QImage* picture_ = nullptr;
    QImage background_;
    QPainter painter_;
    QtFonts fonts_;

    PenSpec pen_{};
    QPen linePen_;
    FontSpec font_{};
    int32_t brush_ = 0;
    int32_t textColor_ = 0;
    bool transparentText_ = false;
    PixelPoint position_{};
    QPointF at_; // where the next line starts, on the device
    bool graphPhase_ = false;
    std::vector<QLineF> pending_; // separate segments
    QPolygonF run_;               // or the joined line drawn since the last move
    // The last segment may still be lengthened along the line from straightFrom_ in direction_.
    bool straight_ = false;
    QPointF straightFrom_;
    QPointF direction_; // of the segment that started the run
};

} // namespace vestrano
