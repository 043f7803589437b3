#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vestrano {

struct PlotState;

// The graph of one function slot, parsed once and evaluated as the value table evaluates it
// (a difference quotient is the central one with a small step, so f'(x) of x^2 is zero at 0,
// not half the drawing's step away). Undefined where the engine reports an error or the value
// is not finite.
class SlotGraph {
  public:
    SlotGraph(PlotState& state, int32_t expr) : state_(state), expr_(expr) {}

    std::optional<double> at(double x) const;
    // The values at `xs` through the block evaluator; NaN where undefined. `quotient` tells
    // whether the term takes a difference quotient.
    std::vector<double> sample(std::span<const double> xs, bool* quotient = nullptr) const;

  private:
    PlotState& state_;
    int32_t expr_;
};

// The part of [xmin, xmax] that function slot k is drawn on: cut to the slot's restriction
// from the intervals window, evaluated with the parameters' current values; nullopt when
// nothing is left.
std::optional<std::pair<double, double>> drawnInterval(PlotState& state, int k, double xmin,
                                                       double xmax);

// `steps` + 1 evenly spaced points from lo to hi, both ends exact.
std::vector<double> scanGrid(double lo, double hi, int steps);

} // namespace vestrano
