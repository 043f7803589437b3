#pragma once

#include <array>
#include <cstdint>

#include "state/drawing_objects.h"

namespace vestrano {

// Indices into DrawingStyle::pens; 0..2 are the slot pens.
constexpr int kHelpLinePen = 3;
constexpr int kAxisPen = 4;
constexpr int kLabelFont = 5;
constexpr int kAxisNameFont = 6;
constexpr int kPointFont = 7;

// Pens, fonts and colours the drawing uses.
struct DrawingStyle {
    // 0..2 slots, 3 help lines (grey of brightness helpcol), 4 additional lines; as
    // red + 256 * green + 65536 * blue: (80, 80, 255), (0, 160, 40), (255, 0, 0),
    // (210, 210, 210), (80, 0, 80).
    std::array<int32_t, 5> colors{16732240, 2662400, 255, 13816530, 5242960};
    // The standard colours of the settings; the current ones above follow them when the
    // settings are read. Entry 3 is unused: the help-line grey comes from `helpcol`.
    std::array<int32_t, 5> stdcolors{16732240, 2662400, 255, 13816530, 5242960};
    int16_t helpcol = 210;
    std::array<int16_t, 3> ldickeovr{-1, -1, -1}; // width from the applied entry, -1 none
    std::array<int16_t, 3> penwidth{};            // width each slot pen was made with
    int16_t axiswidth = 2;

    int16_t fontz = 12;  // label numbers, pixels
    int16_t fontxy = 16; // axis names, pixels
    // Size of the digit "0": entry 0 in the axis-name font, entry 1 in the label font.
    std::array<int16_t, 2> charh{};
    std::array<int16_t, 2> charw{};

    // Pens 0..4 and fonts 5..7 as last built; `pens` counts their rebuilds.
    std::array<PenSpec, 5> penSpecs{};
    std::array<FontSpec, 3> fontSpecs{};
    std::array<int32_t, 8> pens{};
    FontSpec& font(int penIndex) { return fontSpecs[penIndex - kLabelFont]; }
    const FontSpec& font(int penIndex) const { return fontSpecs[penIndex - kLabelFont]; }
};

} // namespace vestrano
