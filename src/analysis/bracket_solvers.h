#pragma once

#include <functional>
#include <limits>
#include <optional>

namespace vestrano {

// How far rounding may move a computed value, per unit of its size: a few operations' worth.
constexpr double kRounding = 64 * std::numeric_limits<double>::epsilon();

// A function of x that is undefined (nullopt) where the engine reports an error.
using PartialFunction = std::function<std::optional<double>(double)>;

struct FunctionPoint {
    double x = 0;
    double y = 0;
};

// A root as the bracket left it: the sign changes between x and `other`, a few units in the
// last place away.
struct RootPoint {
    double x = 0;
    double y = 0;
    double other = 0;
};

// Brent's root finder: a and b enclose a sign change (fa and fb of opposite signs, neither 0).
// Every step stays inside the bracket, which shrinks down to a few units in the last place.
// nullopt when f is undefined at a point it visits.
std::optional<RootPoint> bracketedRoot(const PartialFunction& f, double a, double b, double fa,
                                       double fb);

// Brent's minimiser (golden sections and parabolas) of f on [a, b], starting from `start`
// inside. It runs down to a few units in the last place, so a kink is found exactly and a smooth
// minimum as far as rounding lets the values tell points apart. nullopt when f is undefined at
// a point it visits.
std::optional<FunctionPoint> bracketedMinimum(const PartialFunction& f, double a, double b,
                                              double start);

// A smooth minimum m located more closely: the root of f's central difference near m, over a
// step of about the cube root of the rounding times max(|m.x|, scale), which rounding disturbs
// far less than the values themselves. m itself where that root does not give a value as
// low (a kink, where the difference is lopsided) or f is undefined.
FunctionPoint polishedMinimum(const PartialFunction& f, FunctionPoint m, double scale);

// The end of f's domain between `inside` (defined) and `outside` (undefined): the defined
// point nearest to where f stops being defined, with its value, and the undefined point next
// to it.
struct DomainEdge {
    FunctionPoint last;
    double undefined = 0;
};
DomainEdge domainEdge(const PartialFunction& f, double inside, double insideValue, double outside);

} // namespace vestrano
