#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>

namespace vestrano::testing {

// A picture as the drawing area has it: white, opaque.
inline QImage whitePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The colours of the drawing side: red + 256 * green + 65536 * blue.
constexpr int32_t rgbValue(int r, int g, int b) {
    return r | g << 8 | b << 16;
}

inline QRgb qrgbOf(int32_t value) {
    return qRgb(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// The smallest rectangle holding every pixel that is not white; empty if none.
inline QRect inkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace vestrano::testing
