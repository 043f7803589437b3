#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vestrano {

// The numbers that tie the world coordinates of the intervals to the drawing area, and
// nothing else. Sizes are in twips unless said.
struct Viewport {
    // The world intervals of x, y and the curve parameter t.
    double xmin = -10, xmax = 10, ymin = -10, ymax = 10, tmin = 0, tmax = 10;

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
};

// Help lines and their numbers: the steps asked for, then the effective ones after fitting the
// count into hmin..hmax, and the label formats that follow from them.
struct HelpLines {
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
    std::string fmtx = "0.##";
    std::string fmty = "0.##";
};

} // namespace vestrano
