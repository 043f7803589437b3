#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vestrano {

struct PlotState;
class TextMetrics;
class Ui;

// A term set and a view to draw without a window.
struct Scene {
    int16_t mode = 0; // 0 functions of x, 1 curves of t
    std::array<std::string, 3> terms{};
    double xmin = -10, xmax = 10, ymin = -10, ymax = 10, tmin = 0, tmax = 10;
    std::vector<std::pair<std::string, double>> params; // values set after interpretation
    int16_t lineWidth = 1;
    // Intervals per slot; 0 takes the window's rule: one sample per pixel column for
    // functions, the built-in count for curves.
    int16_t intervals = 0;
};

// Brings `state` to where a redraw draws `scene` into a drawing area of width x height
// pixels: pens and fonts made and measured with `metrics`, terms interpreted, parameters
// set, scale set. Returns an error text for a parameter that no term uses, else "".
std::string prepareScene(PlotState& state, const Scene& scene, int width, int height,
                         TextMetrics& metrics, Ui& ui);

} // namespace vestrano
