#pragma once

#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "plot/graph_layout.h"
#include "state/rounding.h"
#include "state/twip_rect.h"

namespace vestrano {

// The screen's twips per pixel, rounded: 15 at 96 dots per inch.
inline int16_t twipsPerPixel(const QWidget& widget) {
    const int dpi = std::max(widget.logicalDpiX(), 1);
    return static_cast<int16_t>(std::max(1.0, std::nearbyint(1440.0 / dpi)));
}

inline int toTwips(int pixels, int tpp) {
    return pixels * tpp;
}

inline QRect pixelRect(const TwipRect& r, int tpp) {
    return {toPixels(r.left, tpp), toPixels(r.top, tpp), toPixels(r.width, tpp),
            toPixels(r.height, tpp)};
}

inline QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace vestrano
