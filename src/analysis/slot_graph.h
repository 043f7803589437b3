#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vestrano {

struct PlotState;

// The graph of one function slot as the engine evaluates it for the drawing: parsed once,
// with the slot's own step for difference quotients. Undefined where the engine reports an
// error (which is cleared at once) or the value is not finite.
class SlotGraph {
  public:
    SlotGraph(PlotState& state, int32_t expr, double step)
        : state_(state), expr_(expr), step_(step) {}

    std::optional<double> at(double x) const;
    // The values at `xs` through the block evaluator; NaN where undefined.
    std::vector<double> sample(std::span<const double> xs) const;

  private:
    PlotState& state_;
    int32_t expr_;
    double step_;
};

// The part of [xmin, xmax] that function slot k is drawn on: cut to the slot's restriction
// from the intervals window, evaluated with the parameters' current values; nullopt when
// nothing is left.
std::optional<std::pair<double, double>> drawnInterval(PlotState& state, int k, double xmin,
                                                       double xmax);

// `steps` + 1 evenly spaced points from lo to hi, both ends exact.
std::vector<double> scanGrid(double lo, double hi, int steps);

} // namespace vestrano
