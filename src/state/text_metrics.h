#pragma once

#include <string_view>

#include "state/drawing_objects.h"

namespace vestrano {

struct TextSize {
    int width = 0; // pixels
    int height = 0;
};

// Measures text as the drawing surface would write it.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual TextSize measure(const FontSpec& font, std::string_view text) = 0;
};

} // namespace vestrano
