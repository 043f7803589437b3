#pragma once

#include <algorithm>

#include "state/rounding.h"

namespace vestrano {

// Twips to whole pixels at `tpp` twips per pixel, halves to even.
inline int toPixels(double twips, int tpp) {
    return static_cast<int>(roundEven(twips / std::max(tpp, 1)));
}

// A place in a window or in the main window's client area, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

} // namespace vestrano
