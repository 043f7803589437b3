#pragma once

#include <cmath>
#include <limits>

namespace vestrano {

struct PlotState;
class ExprPass;

// The finiteness test of the integral functions (ifdl) as a function of the value it looks at.
// It depends on |value| alone and turns from 1 to 0 once as |value| grows, so one threshold,
// found by bisection through the engine, answers it for every step of a walk.
class FiniteTest {
  public:
    static FiniteTest of(PlotState& state, ExprPass& pass);

    // The engine's test gives anything but 0.
    bool passes(double value) const {
        return !(std::fabs(value) >= from_) && (nanPasses_ || value == value);
    }
    // The test itself does not evaluate (a limit text the engine cannot read): it passes with
    // an engine error, which ends a walk after its first sample.
    bool broken() const { return broken_; }

  private:
    double from_ = std::numeric_limits<double>::quiet_NaN(); // smallest |value| failing; NaN: none
    bool nanPasses_ = true;
    bool broken_ = false;
};

} // namespace vestrano
