#pragma once

#include <array>
#include <cstdint>

#include "state/drawing_objects.h"

namespace vestrano {

// Indices into PlotState::pens; 0..2 are the slot pens.
constexpr int kHelpLinePen = 3;
constexpr int kAxisPen = 4;
constexpr int kLabelFont = 5;
constexpr int kAxisNameFont = 6;
constexpr int kPointFont = 7;

// The numbers that tie the world coordinates of the intervals to the drawing area, plus
// the description of the pens and fonts the drawing uses. Sizes are in twips unless said.
struct Viewport {
    double picw = 0; // drawing area
    double pich = 0;
    int16_t tppx = 15; // twips per pixel of the screen
    int16_t tppy = 15;

    double xspan = 20;
    double yspan = 20;
    double tspan = 10;
    double xmu = 0; // twips per world unit
    double ymu = 0;
    std::array<double, 3> slotstep{};

    // Help lines: requested, then effective after fitting the count into hmin..hmax.
    double startx = 0;
    double starty = 0;
    double stepx = 0.5;
    double stepy = 0.5;
    int16_t hminx = 10;
    int16_t hminy = 10;
    int16_t hmaxx = 40;
    int16_t hmaxy = 40;
    int16_t kommax = 2; // fewest label decimals
    int16_t kommay = 2;
    double hstepx = 0.5;
    double hstepy = 0.5;

    // 0..2 slots, 3 help lines (grey of brightness helpcol), 4 additional lines; as
    // red + 256 * green + 65536 * blue: (80, 80, 255), (0, 160, 40), (255, 0, 0),
    // (210, 210, 210), (80, 0, 80).
    std::array<int32_t, 5> colors{16732240, 2662400, 255, 13816530, 5242960};
    int16_t helpcol = 210;
    std::array<int16_t, 3> ldickeovr{-1, -1, -1}; // width from the applied entry, -1 none
    std::array<int16_t, 3> penwidth{};            // width each slot pen was made with

    int16_t fontz = 12;  // label numbers, pixels
    int16_t fontxy = 16; // axis names, pixels
    // Size of the digit "0": entry 0 in the axis-name font, entry 1 in the label font.
    std::array<int16_t, 2> charh{};
    std::array<int16_t, 2> charw{};

    // Pens 0..4 and fonts 5..7 as last built; PlotState::pens counts their rebuilds.
    std::array<PenSpec, 5> penSpecs{};
    std::array<FontSpec, 3> fontSpecs{};
    FontSpec& font(int penIndex) { return fontSpecs[penIndex - kLabelFont]; }
    const FontSpec& font(int penIndex) const { return fontSpecs[penIndex - kLabelFont]; }

    // False until the help-line background is drawn for the current scale.
    bool backgroundValid = false;
};

} // namespace vestrano
