#pragma once

#include <tuple>

#include <gtest/gtest.h>

namespace vestrano {

// The view as xmin, xmax, ymin, ymax, compared to rounding.
using Bounds = std::tuple<double, double, double, double>;

inline void expectBounds(const Bounds& actual, const Bounds& expected) {
    EXPECT_NEAR(std::get<0>(actual), std::get<0>(expected), 1e-9);
    EXPECT_NEAR(std::get<1>(actual), std::get<1>(expected), 1e-9);
    EXPECT_NEAR(std::get<2>(actual), std::get<2>(expected), 1e-9);
    EXPECT_NEAR(std::get<3>(actual), std::get<3>(expected), 1e-9);
}

inline constexpr double k20 = 20.0 / 1.5 / 2; // half the span after zooming in once

} // namespace vestrano
