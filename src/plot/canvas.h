#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "state/drawing_objects.h"
#include "state/text_metrics.h"

namespace vestrano {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// A position in pixels from the top-left corner, not rounded.
struct ExactPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ExactPoint&) const = default;
};

// The drawing surface every drawing routine writes to, shaped like the calls the plotter
// makes: select an object and get the previous one back, move, join, write, fill. Pixel
// coordinates from the top-left corner, already rounded by the caller.
class Canvas : public TextMetrics {
  public:
    virtual PenSpec selectPen(const PenSpec& pen) = 0;
    virtual FontSpec selectFont(const FontSpec& font) = 0;
    // Brush colour for fillEllipse; returns the previous one.
    virtual int32_t selectBrush(int32_t color) = 0;

    // Returns the previous current position.
    virtual PixelPoint moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // A vertex of a graph. `pixel` is the rounded position every decision about the graph was
    // made with (clamping, joining, breaking the line); the visible line passes through
    // `exact`, so graphs look smooth where whole pixels would make stair steps.
    virtual void graphMoveTo(PixelPoint pixel, ExactPoint exact) = 0;
    virtual void graphLineTo(PixelPoint pixel, ExactPoint exact) = 0;
    virtual void polyline(std::span<const PixelPoint> points) = 0;
    // Fills the ellipse inside the rectangle with the selected brush, no outline.
    virtual void fillEllipse(int left, int top, int right, int bottom) = 0;

    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual void setTextColor(int32_t color) = 0;
    virtual void setTransparentText(bool transparent) = 0;

    // The persistent picture: clear it, keep it as the background, put the background back.
    virtual void clear() = 0;
    virtual void captureBackground() = 0;
    virtual void restoreBackground() = 0;
    // The background moved right and down by `offset` pixels; what it leaves uncovered is blank.
    virtual void restoreMovedBackground(PixelPoint offset) = 0;
};

} // namespace vestrano
