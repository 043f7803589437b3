#pragma once

#include <cstdint>
#include <string>

#include "plot/canvas.h"
#include "plot/dash_pattern.h"

namespace vestrano {

struct Viewport;

// Draws into an enhanced metafile held in memory. Logical units are 1/16 pixel, so graph
// lines keep their unrounded positions; the frame is the drawing area in 0.01 mm.
class EmfCanvas final : public Canvas {
  public:
    // The drawing area of `view`; text is measured as `metrics` measures it on screen.
    EmfCanvas(const Viewport& view, TextMetrics& metrics);

    // The complete file: header, every record drawn so far, end record.
    std::string finish() const;

    TextSize measure(const FontSpec& font, std::string_view text) override;
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
    // The metafile has no picture behind it: clearing and the background draw nothing.
    void clear() override {}
    void captureBackground() override {}
    void restoreBackground() override {}
    void restoreMovedBackground(PixelPoint) override {}

  private:
    void record(uint32_t type, const std::string& body);
    void pointRecord(uint32_t type, PixelPoint pixel, ExactPoint exact);
    void dashedLineTo(PixelPoint pixel, ExactPoint exact);
    void replaceObject(uint32_t handle, uint32_t createType, const std::string& body);

    TextMetrics& metrics_;
    int width_ = 0; // pixels
    int height_ = 0;
    int32_t frameRight_ = 0; // 0.01 mm
    int32_t frameBottom_ = 0;
    int32_t millimetresX_ = 0; // of the whole area, for the reference device
    int32_t millimetresY_ = 0;
    std::string records_;
    uint32_t count_ = 0;
    PenSpec pen_;
    FontSpec font_;
    int32_t brush_ = 0;
    PixelPoint position_;
    ExactPoint at_{}; // where the next line starts
    DashPhase phase_;
};

} // namespace vestrano
