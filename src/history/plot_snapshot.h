#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "state/interval_window.h"
#include "state/plot_state.h"

namespace vestrano {

// A parameter slot as the user set it; an empty name is a slot not in use.
struct ParamSnapshot {
    std::string name;
    double value = 0;
    double lower = 0;
    double upper = 0;
    double step = 0;
    int32_t timerMode = 0;
    bool window = false; // its window is shown
    bool operator==(const ParamSnapshot&) const = default;
};

// Everything of the plot the user can change and take back; not the settings, not the
// collection, not where the windows are.
struct PlotSnapshot {
    int16_t mode = 0;
    std::array<std::string, kSlotCount> terms{}; // as taken over, not as typed since
    std::array<bool, kSlotCount> visible{};
    std::array<double, 6> lowerbounds{};
    std::array<ParamSnapshot, kParamCount> params{};
    std::array<double, 6> view{}; // xmin, xmax, ymin, ymax, tmin, tmax
    // The restriction rows of the intervals window as taken over, von and bis of f, g, h.
    std::array<std::string, 2 * (kIntervalRows - kFirstRestrictionRow)> restrictions{};
    std::array<std::string, 2> lines{}; // the lines text of each mode
    std::string points;                 // the points list as text
    float anglemode = 1;
    bool operator==(const PlotSnapshot&) const = default;
};

PlotSnapshot takeSnapshot(const PlotState& state);

// Bytes the snapshot holds, its texts included.
std::size_t snapshotBytes(const PlotSnapshot& snapshot);

} // namespace vestrano
