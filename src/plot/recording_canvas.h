#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace vestrano {

// A canvas that draws nothing and keeps every call, with the pen, font and brush selected
// at that moment, so tests can assert on what a drawing routine did.
//
// Text is measured by a fixed rule: a character is 7 px wide and 15 px high at a character
// height of 12 px, both scaled with the height and rounded (halves to even); every UTF-8
// character counts once, whatever the weight.
class RecordingCanvas final : public Canvas {
  public:
    enum class Kind {
        SelectPen,
        SelectFont,
        SelectBrush,
        MoveTo,
        LineTo,
        Polyline,
        FillEllipse,
        TextOut,
        SetTextColor,
        SetTransparentText,
        Clear,
        CaptureBackground,
        RestoreBackground,
        Measure,
    };

    struct Event {
        Kind kind;
        // MoveTo/LineTo/TextOut: the position; RestoreBackground: the offset, if moved; Polyline:
        // its points; FillEllipse: the top-left and bottom-right corners.
        std::vector<PixelPoint> points;
        // MoveTo/LineTo of a graph: the unrounded position; else the position in `points`.
        ExactPoint exact;
        std::string text;  // TextOut, Measure
        int32_t value = 0; // SelectBrush, SetTextColor: the colour; SetTransparentText: 0/1
        // Selected when the call was made (after it, for a select).
        PenSpec pen;
        FontSpec font;
        int32_t brush = 0;
    };

    std::vector<Event> events;

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

    std::size_t count(Kind kind) const;
    // LineTo calls made with this pen selected.
    std::size_t countLines(const PenSpec& pen) const;
    // The events of one kind, in order.
    std::vector<Event> only(Kind kind) const;
    // Moves and lines with `pen` selected, in order: the vertices of the drawn path.
    std::vector<Event> path(const PenSpec& pen) const;
    // Text written, in order.
    std::vector<Event> texts() const;

  private:
    Event& record(Kind kind);

    PenSpec pen_{};
    FontSpec font_{};
    int32_t brush_ = 0;
    PixelPoint position_{};
};

} // namespace vestrano
