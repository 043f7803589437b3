#include "plot/dash_pattern.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vestrano {

namespace {

constexpr std::array<double, 2> kDash{4, 2};
constexpr std::array<double, 2> kDot{1, 2};
constexpr std::array<double, 4> kDashDot{4, 2, 1, 2};
constexpr std::array<double, 6> kDashDotDot{4, 2, 1, 2, 1, 2};

} // namespace

std::span<const double> dashPattern(int16_t style) {
    switch (style) {
    case 1:
        return kDash;
    case 2:
        return kDot;
    case 3:
        return kDashDot;
    case 4:
        return kDashDotDot;
    default:
        return {};
    }
}

double alongLine(double dx, double dy) {
    const double major = std::max(std::fabs(dx), std::fabs(dy));
    return major > 0 ? std::hypot(dx, dy) / major : 1;
}

std::vector<Dash> dashesOf(ExactPoint from, ExactPoint to, std::span<const double> pattern,
                           DashPhase& phase) {
    std::vector<Dash> dashes;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double major = std::max(std::fabs(dx), std::fabs(dy));
    if (pattern.empty() || !(major > 0) || !std::isfinite(major)) {
        return dashes;
    }
    // Far beyond any picture a line is not split, so an absurd length cannot run away.
    constexpr double kLongest = 1e6;
    if (major > kLongest) {
        return {{from, to}};
    }
    const auto at = [&](double t) {
        return ExactPoint{from.x + dx * t / major, from.y + dy * t / major};
    };
    for (double t = 0; t < major;) {
        const double left = pattern[phase.entry] - phase.done;
        const bool ends = left <= major - t;
        const double next = ends ? t + left : major;
        if (phase.entry % 2 == 0) {
            dashes.push_back({at(t), at(next)});
        }
        if (ends) {
            phase.entry = (phase.entry + 1) % pattern.size();
            phase.done = 0;
        } else {
            phase.done += major - t;
        }
        t = next;
    }
    return dashes;
}

} // namespace vestrano
