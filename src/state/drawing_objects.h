#pragma once

#include <cstdint>
#include <string>

namespace vestrano {

constexpr int16_t kSolidPen = 0;

// What a pen is made of; the drawing side builds the real pen from it.
struct PenSpec {
    int16_t style = kSolidPen;
    int16_t width = 1; // pixels; 0 draws the thinnest line
    int32_t color = 0; // red + 256 * green + 65536 * blue

    bool operator==(const PenSpec&) const = default;
};

// What a font is made of: always upright, not underlined, proof quality.
struct FontSpec {
    std::string face = "Arial";
    int16_t pixelHeight = 12; // character height, not cell height
    int16_t weight = 400;     // 400 normal, 700 bold

    bool operator==(const FontSpec&) const = default;
};

} // namespace vestrano
