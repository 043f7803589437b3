#pragma once

#include <span>
#include <vector>

#include "analysis/bracket_solvers.h"

namespace vestrano {

// Values this small (times max(1, |x|)) are zero: what cancellation leaves of a term that is
// zero in exact arithmetic, such as sin(x)^2+cos(x)^2-1 or (x+1)^2-x^2-2*x-1.
inline constexpr double kNegligible = 1e-12;

// A function sampled on an evenly spaced grid, both ends included.
struct SampledCurve {
    std::span<const double> x;
    std::span<const double> u;     // NaN where the engine reports an error
    std::span<const double> noise; // how far rounding may have moved each value
};

// The grid's x values are rounded too, which moves a steep function's values by its slope
// times the rounding of x: added to `noise`, which holds the rounding of the values. Near
// x = 0 that rounding is the ends', not x's own.
void addArgumentRounding(std::span<const double> x, std::span<const double> u,
                         std::span<double> noise);

// A difference quotient's values carry the rounding of the function it differentiates divided
// by its small step, far above their own: measured from the samples' jitter (their fourth
// differences, which a smooth function keeps tiny on the scan's grid) and added to `noise`.
void addQuotientRounding(std::span<const double> u, std::span<double> noise);

// What the scan found strictly inside the grid's ends.
struct CurveFindings {
    std::vector<double> zeros; // ascending
    std::vector<FunctionPoint> maxima;
    std::vector<FunctionPoint> minima;
    std::vector<FunctionPoint> inflections;
};

// Zeros, extrema and inflection points of `u`, bracketed by the samples `c` and refined on `u`
// itself. With `zerosOnly` (the difference of two graphs) extrema count only as zeros of even
// multiplicity, and no inflection points are sought.
CurveFindings scanCurve(const SampledCurve& c, const PartialFunction& u, bool zerosOnly);

} // namespace vestrano
