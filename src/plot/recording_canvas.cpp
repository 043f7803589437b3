#include "plot/recording_canvas.h"

#include <algorithm>
#include <cmath>

namespace vestrano {

namespace {

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
    }));
}

} // namespace

RecordingCanvas::Event& RecordingCanvas::record(Kind kind) {
    Event& e = events.emplace_back();
    e.kind = kind;
    e.pen = pen_;
    e.font = font_;
    e.brush = brush_;
    return e;
}

PenSpec RecordingCanvas::selectPen(const PenSpec& pen) {
    const PenSpec previous = pen_;
    pen_ = pen;
    record(Kind::SelectPen);
    return previous;
}

FontSpec RecordingCanvas::selectFont(const FontSpec& font) {
    FontSpec previous = font_;
    font_ = font;
    record(Kind::SelectFont);
    return previous;
}

int32_t RecordingCanvas::selectBrush(int32_t color) {
    const int32_t previous = brush_;
    brush_ = color;
    record(Kind::SelectBrush).value = color;
    return previous;
}

PixelPoint RecordingCanvas::moveTo(int x, int y) {
    const PixelPoint previous = position_;
    graphMoveTo({x, y}, {static_cast<double>(x), static_cast<double>(y)});
    return previous;
}

void RecordingCanvas::lineTo(int x, int y) {
    graphLineTo({x, y}, {static_cast<double>(x), static_cast<double>(y)});
}

void RecordingCanvas::graphMoveTo(PixelPoint pixel, ExactPoint exact) {
    position_ = pixel;
    Event& e = record(Kind::MoveTo);
    e.points = {pixel};
    e.exact = exact;
}

void RecordingCanvas::graphLineTo(PixelPoint pixel, ExactPoint exact) {
    position_ = pixel;
    Event& e = record(Kind::LineTo);
    e.points = {pixel};
    e.exact = exact;
}

void RecordingCanvas::polyline(std::span<const PixelPoint> points) {
    record(Kind::Polyline).points.assign(points.begin(), points.end());
}

void RecordingCanvas::fillEllipse(int left, int top, int right, int bottom) {
    record(Kind::FillEllipse).points = {{left, top}, {right, bottom}};
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    Event& e = record(Kind::TextOut);
    e.points = {{x, y}};
    e.text = text;
}

void RecordingCanvas::setTextColor(int32_t color) {
    record(Kind::SetTextColor).value = color;
}

void RecordingCanvas::setTransparentText(bool transparent) {
    record(Kind::SetTransparentText).value = transparent ? 1 : 0;
}

void RecordingCanvas::clear() {
    record(Kind::Clear);
}

void RecordingCanvas::captureBackground() {
    record(Kind::CaptureBackground);
}

void RecordingCanvas::restoreBackground() {
    record(Kind::RestoreBackground);
}

void RecordingCanvas::restoreMovedBackground(PixelPoint offset) {
    record(Kind::RestoreBackground).points = {offset};
}

TextSize RecordingCanvas::measure(const FontSpec& font, std::string_view text) {
    record(Kind::Measure).text = text;
    const double scale = font.pixelHeight / 12.0;
    const double width = 7.0 * scale * static_cast<double>(characters(text));
    return {static_cast<int>(std::nearbyint(width)),
            static_cast<int>(std::nearbyint(15.0 * scale))};
}

std::size_t RecordingCanvas::count(Kind kind) const {
    return static_cast<std::size_t>(std::count_if(
        events.begin(), events.end(), [kind](const Event& e) { return e.kind == kind; }));
}

std::size_t RecordingCanvas::countLines(const PenSpec& pen) const {
    return static_cast<std::size_t>(
        std::count_if(events.begin(), events.end(),
                      [&](const Event& e) { return e.kind == Kind::LineTo && e.pen == pen; }));
}

std::vector<RecordingCanvas::Event> RecordingCanvas::only(Kind kind) const {
    std::vector<Event> result;
    std::copy_if(events.begin(), events.end(), std::back_inserter(result),
                 [kind](const Event& e) { return e.kind == kind; });
    return result;
}

std::vector<RecordingCanvas::Event> RecordingCanvas::path(const PenSpec& pen) const {
    std::vector<Event> result;
    std::copy_if(events.begin(), events.end(), std::back_inserter(result), [&](const Event& e) {
        return (e.kind == Kind::MoveTo || e.kind == Kind::LineTo) && e.pen == pen;
    });
    return result;
}

std::vector<RecordingCanvas::Event> RecordingCanvas::texts() const {
    return only(Kind::TextOut);
}

} // namespace vestrano
