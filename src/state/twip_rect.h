#pragma once

namespace vestrano {

// A place in a window or in the main window's client area, in twips.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect&) const = default;
};

} // namespace vestrano
