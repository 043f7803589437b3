#include "plot/emf_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "state/rounding.h"
#include "state/viewport.h"

namespace vestrano {

namespace {

// Record types and constants of the metafile format.
constexpr uint32_t kHeader = 1;
constexpr uint32_t kPolyline = 4;
constexpr uint32_t kSetWindowExt = 9;
constexpr uint32_t kSetViewportExt = 11;
constexpr uint32_t kEof = 14;
constexpr uint32_t kSetMapMode = 17;
constexpr uint32_t kSetBkMode = 18;
constexpr uint32_t kSetTextColor = 24;
constexpr uint32_t kMoveTo = 27;
constexpr uint32_t kSelectObject = 37;
constexpr uint32_t kCreatePen = 38;
constexpr uint32_t kCreateBrush = 39;
constexpr uint32_t kDeleteObject = 40;
constexpr uint32_t kEllipse = 42;
constexpr uint32_t kLineTo = 54;
constexpr uint32_t kCreateFont = 82;
constexpr uint32_t kExtCreatePen = 95;
constexpr uint32_t kGeometricFlatUserStyle = 0x10000 | 0x200 | 7;
constexpr uint32_t kTextOut = 84;
constexpr uint32_t kAnisotropic = 8;
constexpr uint32_t kStock = 0x80000000;
constexpr uint32_t kNullPen = kStock | 8;
constexpr uint32_t kNullBrush = kStock | 5;
constexpr uint32_t kSystemFont = kStock | 13;
constexpr uint32_t kPenHandle = 1;
constexpr uint32_t kBrushHandle = 2;
constexpr uint32_t kFontHandle = 3;
constexpr int kUnit = 16; // logical units per pixel

void put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>(v >> (8 * i) & 0xff);
    }
}
void puti(std::string& out, int32_t v) {
    put32(out, static_cast<uint32_t>(v));
}
void put16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 8);
}
void putFloat(std::string& out, float v) {
    uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    put32(out, bits);
}
void putRect(std::string& out, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    puti(out, left);
    puti(out, top);
    puti(out, right);
    puti(out, bottom);
}

int32_t logical(double pixels) {
    return toInt32(pixels * kUnit)
        .value_or(pixels < 0 ? std::numeric_limits<int32_t>::min()
                             : std::numeric_limits<int32_t>::max());
}

// UTF-16 code units of a UTF-8 text; broken bytes count as one character each.
std::u16string utf16(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c >> 5 == 6 ? 2 : c >> 4 == 14 ? 3 : c >> 3 == 30 ? 4 : 1;
        uint32_t code = length == 1 ? c : c & (0x3f >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        }
        i += static_cast<std::size_t>(length);
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xd800 + (code >> 10));
            out += static_cast<char16_t>(0xdc00 + (code & 0x3ff));
            continue;
        }
        out += static_cast<char16_t>(code);
    }
    return out;
}

uint32_t colorRef(int32_t rgbValue) {
    return static_cast<uint32_t>(rgbValue) & 0xffffff;
}

} // namespace

EmfCanvas::EmfCanvas(const Viewport& view, TextMetrics& metrics) : metrics_(metrics) {
    width_ = static_cast<int>(roundEven(view.picw / view.tppx));
    height_ = static_cast<int>(roundEven(view.pich / view.tppy));
    // Twips to hundredths of a millimetre.
    frameRight_ = toInt32(view.picw / 0.567).value_or(0);
    frameBottom_ = toInt32(view.pich / 0.567).value_or(0);
    millimetresX_ = std::max(1, static_cast<int>(roundEven(view.picw / 56.7)));
    millimetresY_ = std::max(1, static_cast<int>(roundEven(view.pich / 56.7)));
    std::string body;
    put32(body, kAnisotropic);
    record(kSetMapMode, body);
    body.clear();
    puti(body, width_ * kUnit);
    puti(body, height_ * kUnit);
    record(kSetWindowExt, body);
    body.clear();
    puti(body, width_);
    puti(body, height_);
    record(kSetViewportExt, body);
}

void EmfCanvas::record(uint32_t type, const std::string& body) {
    put32(records_, type);
    put32(records_, static_cast<uint32_t>(8 + body.size()));
    records_ += body;
    ++count_;
}

// Objects live in fixed handles; the old one is let go before its handle is used again.
void EmfCanvas::replaceObject(uint32_t handle, uint32_t createType, const std::string& body) {
    std::string select;
    const uint32_t stock = handle == kPenHandle     ? kNullPen
                           : handle == kBrushHandle ? kNullBrush
                                                    : kSystemFont;
    put32(select, stock);
    record(kSelectObject, select);
    std::string remove;
    put32(remove, handle);
    record(kDeleteObject, remove);
    std::string create;
    put32(create, handle);
    record(createType, create + body);
    std::string use;
    put32(use, handle);
    record(kSelectObject, use);
}

std::string EmfCanvas::finish() const {
    std::string eof;
    put32(eof, kEof);
    put32(eof, 20);
    put32(eof, 0);
    put32(eof, 16);
    put32(eof, 20);
    constexpr uint32_t kHeaderSize = 108;
    const auto total = static_cast<uint32_t>(kHeaderSize + records_.size() + eof.size());
    std::string out;
    put32(out, kHeader);
    put32(out, kHeaderSize);
    putRect(out, 0, 0, width_ - 1, height_ - 1);
    putRect(out, 0, 0, frameRight_, frameBottom_);
    put32(out, 0x464D4520); // " EMF"
    put32(out, 0x10000);
    put32(out, total);
    put32(out, count_ + 2);
    put16(out, 4); // handles 1..3 and the reserved 0
    put16(out, 0);
    put32(out, 0); // no description
    put32(out, 0);
    put32(out, 0); // no palette
    puti(out, width_);
    puti(out, height_);
    puti(out, millimetresX_);
    puti(out, millimetresY_);
    put32(out, 0); // no pixel format
    put32(out, 0);
    put32(out, 0); // not OpenGL
    puti(out, millimetresX_ * 1000);
    puti(out, millimetresY_ * 1000);
    return out + records_ + eof;
}

TextSize EmfCanvas::measure(const FontSpec& font, std::string_view text) {
    return metrics_.measure(font, text);
}

// A dashed or dotted pen carries the screen's pattern as its own style array, one pixel wide
// with flat ends. LibreOffice draws such a pen solid, so its lines are also written dash by dash.
PenSpec EmfCanvas::selectPen(const PenSpec& pen) {
    const PenSpec previous = pen_;
    pen_ = pen;
    std::string body;
    const std::span<const double> pattern = dashPattern(pen.style);
    if (pattern.empty()) {
        put32(body, static_cast<uint32_t>(pen.style));
        puti(body, pen.width * kUnit);
        puti(body, 0);
        put32(body, colorRef(pen.color));
        replaceObject(kPenHandle, kCreatePen, body);
        return previous;
    }
    const int width = std::max<int>(pen.width, 1) * kUnit;
    put32(body, 0); // no bitmap
    put32(body, 0);
    put32(body, 0);
    put32(body, 0);
    put32(body, kGeometricFlatUserStyle);
    puti(body, width);
    put32(body, 0); // solid brush
    put32(body, colorRef(pen.color));
    put32(body, 0);
    put32(body, static_cast<uint32_t>(pattern.size()));
    for (const double entry : pattern) {
        puti(body, static_cast<int32_t>(entry * width));
    }
    replaceObject(kPenHandle, kExtCreatePen, body);
    return previous;
}

FontSpec EmfCanvas::selectFont(const FontSpec& font) {
    const FontSpec previous = font_;
    font_ = font;
    std::string body;
    puti(body, -font.pixelHeight * kUnit); // character height, not cell height
    puti(body, 0);
    puti(body, 0);
    puti(body, 0);
    puti(body, font.weight);
    body += std::string("\0\0\0\0", 4);     // italic, underline, strike-out, ANSI
    body += std::string("\x04\0\x02\0", 4); // TrueType, default clipping, proof, default pitch
    std::u16string face = utf16(font.face).substr(0, 31);
    face.resize(32, u'\0');
    for (const char16_t c : face) {
        put16(body, c);
    }
    replaceObject(kFontHandle, kCreateFont, body);
    return previous;
}

int32_t EmfCanvas::selectBrush(int32_t color) {
    const int32_t previous = brush_;
    brush_ = color;
    std::string body;
    put32(body, 0); // solid
    put32(body, colorRef(color));
    put32(body, 0);
    replaceObject(kBrushHandle, kCreateBrush, body);
    return previous;
}

PixelPoint EmfCanvas::moveTo(int x, int y) {
    const PixelPoint previous = position_;
    graphMoveTo({x, y}, {static_cast<double>(x), static_cast<double>(y)});
    return previous;
}

void EmfCanvas::lineTo(int x, int y) {
    graphLineTo({x, y}, {static_cast<double>(x), static_cast<double>(y)});
}

void EmfCanvas::graphMoveTo(PixelPoint pixel, ExactPoint exact) {
    phase_ = {};
    pointRecord(kMoveTo, pixel, exact);
}

void EmfCanvas::graphLineTo(PixelPoint pixel, ExactPoint exact) {
    if (!dashPattern(pen_.style).empty()) {
        dashedLineTo(pixel, exact);
        return;
    }
    pointRecord(kLineTo, pixel, exact);
}

// Each dash a line of its own; the pen ends at the line's end, gap or not.
void EmfCanvas::dashedLineTo(PixelPoint pixel, ExactPoint exact) {
    const std::vector<Dash> dashes = dashesOf(at_, exact, dashPattern(pen_.style), phase_);
    for (const Dash& dash : dashes) {
        pointRecord(kMoveTo, pixel, dash.from);
        pointRecord(kLineTo, pixel, dash.to);
    }
    if (dashes.empty() || !(dashes.back().to == exact)) {
        pointRecord(kMoveTo, pixel, exact);
    }
}

void EmfCanvas::pointRecord(uint32_t type, PixelPoint pixel, ExactPoint exact) {
    position_ = pixel;
    at_ = exact;
    std::string body;
    puti(body, logical(exact.x));
    puti(body, logical(exact.y));
    record(type, body);
}

void EmfCanvas::polyline(std::span<const PixelPoint> points) {
    std::string body;
    putRect(body, 0, 0, width_ * kUnit, height_ * kUnit);
    put32(body, static_cast<uint32_t>(points.size()));
    for (const PixelPoint& p : points) {
        puti(body, p.x * kUnit);
        puti(body, p.y * kUnit);
    }
    record(kPolyline, body);
}

void EmfCanvas::fillEllipse(int left, int top, int right, int bottom) {
    std::string select;
    put32(select, kNullPen);
    record(kSelectObject, select);
    std::string body;
    putRect(body, left * kUnit, top * kUnit, right * kUnit, bottom * kUnit);
    record(kEllipse, body);
    std::string back;
    put32(back, kPenHandle);
    record(kSelectObject, back);
}

void EmfCanvas::textOut(int x, int y, std::string_view text) {
    const std::u16string chars = utf16(text);
    std::string body;
    putRect(body, 0, 0, width_ - 1, height_ - 1);
    put32(body, 1); // compatible graphics mode
    putFloat(body, 1.0F);
    putFloat(body, 1.0F);
    puti(body, x * kUnit);
    puti(body, y * kUnit);
    put32(body, static_cast<uint32_t>(chars.size()));
    constexpr uint32_t kStringOffset = 76; // from the start of the record
    const uint32_t stringBytes = static_cast<uint32_t>((chars.size() * 2 + 3) / 4 * 4);
    put32(body, kStringOffset);
    put32(body, 0); // no options
    putRect(body, 0, 0, -1, -1);
    put32(body, kStringOffset + stringBytes);
    for (const char16_t c : chars) {
        put16(body, c);
    }
    body.resize(body.size() + (stringBytes - chars.size() * 2), '\0');
    // Advances as the screen measures them, so the text takes the same room.
    int previousWidth = 0;
    std::string prefix;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t next = i + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xc0) == 0x80) {
            ++next;
        }
        prefix.append(text.substr(i, next - i));
        const int width = metrics_.measure(font_, prefix).width;
        const int32_t advance = (width - previousWidth) * kUnit;
        puti(body, advance);
        if (next - i == 4) {
            puti(body, 0); // the second half of a surrogate pair
        }
        previousWidth = width;
        i = next;
    }
    record(kTextOut, body);
}

void EmfCanvas::setTextColor(int32_t color) {
    std::string body;
    put32(body, colorRef(color));
    record(kSetTextColor, body);
}

void EmfCanvas::setTransparentText(bool transparent) {
    std::string body;
    put32(body, transparent ? 1 : 2);
    record(kSetBkMode, body);
}

} // namespace vestrano
