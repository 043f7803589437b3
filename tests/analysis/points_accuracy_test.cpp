#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "points_fixture.h"

namespace vestrano {

namespace {

constexpr double pi = std::numbers::pi;
const double r3 = std::sqrt(3.0);

// Every first + k * period strictly between lo and hi.
std::vector<double> every(double first, double period, double lo = -10, double hi = 10) {
    std::vector<double> out;
    for (double k = std::ceil((lo - first) / period); first + k * period < hi; ++k) {
        if (first + k * period > lo) {
            out.push_back(first + k * period);
        }
    }
    return out;
}

// A function with its points in closed form; y values come from `f` (NaN where undefined).
struct Row {
    const char* term;
    double (*f)(double);
    std::vector<double> zeros, maxima, minima, inflections;
    double lo = -10;
    double hi = 10;
    std::vector<std::pair<const char*, double>> params = {};
};

// clang-format off
const std::vector<Row> kRows = {
    // Polynomials, simple and multiple roots.
    {"x^2-4", [](double x) { return x * x - 4; }, {-2, 2}, {}, {0}, {}},
    {"x^2", [](double x) { return x * x; }, {0}, {}, {0}, {}},
    {"(x-1)^2*(x+2)", [](double x) { return (x - 1) * (x - 1) * (x + 2); }, {-2, 1}, {-1}, {1}, {0}},
    {"x^3-x", [](double x) { return x * x * x - x; }, {-1, 0, 1}, {-1 / r3}, {1 / r3}, {0}},
    {"x^4-5*x^2+4", [](double x) { return x * x * x * x - 5 * x * x + 4; }, {-2, -1, 1, 2}, {0},
     {-std::sqrt(2.5), std::sqrt(2.5)}, {-std::sqrt(5.0 / 6), std::sqrt(5.0 / 6)}},
    {"x^5-5*x^3+4*x", [](double x) { return std::pow(x, 5) - 5 * x * x * x + 4 * x; }, {-2, -1, 0, 1, 2},
     {-std::sqrt((15 + std::sqrt(145.0)) / 10), std::sqrt((15 - std::sqrt(145.0)) / 10)},
     {-std::sqrt((15 - std::sqrt(145.0)) / 10), std::sqrt((15 + std::sqrt(145.0)) / 10)},
     {-std::sqrt(1.5), 0, std::sqrt(1.5)}},
    {"(x+1)^2*(x-3)^2", [](double x) { return (x + 1) * (x + 1) * (x - 3) * (x - 3); }, {-1, 3}, {1},
     {-1, 3}, {1 - 2 / r3, 1 + 2 / r3}},
    {"x^3", [](double x) { return x * x * x; }, {0}, {}, {}, {0}},
    {"x^4", [](double x) { return x * x * x * x; }, {0}, {}, {0}, {}},
    {"2*x^2-3*x-5", [](double x) { return 2 * x * x - 3 * x - 5; }, {-1, 2.5}, {}, {0.75}, {}},
    {"-x^2+2*x+3", [](double x) { return -x * x + 2 * x + 3; }, {-1, 3}, {1}, {}, {}},
    {"x^3-6*x^2+11*x-6", [](double x) { return (x - 1) * (x - 2) * (x - 3); }, {1, 2, 3}, {2 - 1 / r3},
     {2 + 1 / r3}, {2}},
    {"x^2-2*x+1", [](double x) { return (x - 1) * (x - 1); }, {1}, {}, {1}, {}},
    {"(x-2)^3", [](double x) { return (x - 2) * (x - 2) * (x - 2); }, {2}, {}, {}, {2}},
    {"x^5-x", [](double x) { return std::pow(x, 5) - x; }, {-1, 0, 1}, {-std::pow(5, -0.25)},
     {std::pow(5, -0.25)}, {0}},
    {"0,5*x^4-2*x^3", [](double x) { return 0.5 * x * x * x * x - 2 * x * x * x; }, {0, 4}, {}, {3}, {0, 2}},
    {"x^4-2*x^2", [](double x) { return x * x * x * x - 2 * x * x; }, {-std::sqrt(2.0), 0, std::sqrt(2.0)},
     {0}, {-1, 1}, {-1 / r3, 1 / r3}},
    {"x^3-3*x^2+3*x-1", [](double x) { return (x - 1) * (x - 1) * (x - 1); }, {1}, {}, {}, {1}},
    {"x^2+1", [](double x) { return x * x + 1; }, {}, {}, {0}, {}},
    {"x^3+x", [](double x) { return x * x * x + x; }, {0}, {}, {}, {0}},
    {"(x^2-1)^2", [](double x) { return (x * x - 1) * (x * x - 1); }, {-1, 1}, {0}, {-1, 1}, {-1 / r3, 1 / r3}},
    {"x*(x-2)^2", [](double x) { return x * (x - 2) * (x - 2); }, {0, 2}, {2.0 / 3}, {2}, {4.0 / 3}},
    {"(x+4)^2*(x-5)", [](double x) { return (x + 4) * (x + 4) * (x - 5); }, {-4, 5}, {-4}, {2}, {-1}},
    // Sine and cosine, with parameters.
    {"sin(x)", [](double x) { return std::sin(x); }, every(0, pi), every(pi / 2, 2 * pi), every(-pi / 2, 2 * pi),
     every(0, pi)},
    {"cos(x)", [](double x) { return std::cos(x); }, every(pi / 2, pi), every(0, 2 * pi), every(pi, 2 * pi),
     every(pi / 2, pi)},
    {"a*sin(b*x)", [](double x) { return 2 * std::sin(3 * x); }, every(0, pi / 3), every(pi / 6, 2 * pi / 3),
     every(-pi / 6, 2 * pi / 3), every(0, pi / 3), -10, 10, {{"a", 2}, {"b", 3}}},
    {"cos(x-c)", [](double x) { return std::cos(x - 1); }, every(1 + pi / 2, pi), every(1, 2 * pi),
     every(1 + pi, 2 * pi), every(1 + pi / 2, pi), -10, 10, {{"c", 1}}},
    {"sin(x)+cos(x)", [](double x) { return std::sin(x) + std::cos(x); }, every(-pi / 4, pi),
     every(pi / 4, 2 * pi), every(5 * pi / 4, 2 * pi), every(-pi / 4, pi)},
    {"sin(x)^2", [](double x) { return std::sin(x) * std::sin(x); }, every(0, pi), every(pi / 2, pi),
     every(0, pi), every(pi / 4, pi / 2)},
    {"sin(20*x)", [](double x) { return std::sin(20 * x); }, every(0, pi / 20), every(pi / 40, pi / 10),
     every(-pi / 40, pi / 10), every(0, pi / 20)},
    {"cos(2*x)+1", [](double x) { return std::cos(2 * x) + 1; }, every(pi / 2, pi), every(0, pi),
     every(pi / 2, pi), every(pi / 4, pi / 2)},
    {"tan(x)", [](double x) { return std::tan(x); }, every(0, pi), {}, {}, every(0, pi)},
    {"x+sin(x)", [](double x) { return x + std::sin(x); }, {0}, {}, {}, every(0, pi)},
    {"a*cos(b*x)+c", [](double x) { return 3 * std::cos(x / 2) + 1; },
     {-4 * pi + 2 * std::acos(-1.0 / 3), -2 * std::acos(-1.0 / 3), 2 * std::acos(-1.0 / 3),
      4 * pi - 2 * std::acos(-1.0 / 3)},
     {0}, {-2 * pi, 2 * pi}, every(pi, 2 * pi), -10, 10, {{"a", 3}, {"b", 0.5}, {"c", 1}}},
    // e-functions times polynomials.
    {"x*exp(x)", [](double x) { return x * std::exp(x); }, {0}, {}, {-1}, {-2}, -10, 2},
    {"x^2*exp(-x)", [](double x) { return x * x * std::exp(-x); }, {0}, {2}, {0}, {2 - std::sqrt(2.0), 2 + std::sqrt(2.0)}, -2, 10},
    {"exp(-x^2)", [](double x) { return std::exp(-x * x); }, {}, {0}, {}, {-std::sqrt(0.5), std::sqrt(0.5)}},
    {"exp(x)-2", [](double x) { return std::exp(x) - 2; }, {std::log(2.0)}, {}, {}, {}},
    {"(x^2-1)*exp(x)", [](double x) { return (x * x - 1) * std::exp(x); }, {-1, 1}, {-1 - std::sqrt(2.0)},
     {-1 + std::sqrt(2.0)}, {-2 - r3, -2 + r3}, -10, 3},
    {"exp(-x)*sin(x)", [](double x) { return std::exp(-x) * std::sin(x); }, {pi, 2 * pi, 3 * pi},
     {pi / 4, 9 * pi / 4}, {5 * pi / 4}, {pi / 2, 3 * pi / 2, 5 * pi / 2}, 0, 10},
    {"e^x", [](double x) { return std::exp(x); }, {}, {}, {}, {}},
    {"x*e^(-x)", [](double x) { return x * std::exp(-x); }, {0}, {1}, {}, {2}, -1, 10},
    {"(x+1)*exp(-x)", [](double x) { return (x + 1) * std::exp(-x); }, {-1}, {0}, {}, {1}, -3, 10},
    // Rational functions with poles.
    {"1/x", [](double x) { return 1 / x; }, {}, {}, {}, {}},
    {"(x^2-1)/(x-2)", [](double x) { return (x * x - 1) / (x - 2); }, {-1, 1}, {2 - r3}, {2 + r3}, {}},
    {"x/(x^2+1)", [](double x) { return x / (x * x + 1); }, {0}, {1}, {-1}, {-r3, 0, r3}},
    {"1/(x^2+1)", [](double x) { return 1 / (x * x + 1); }, {}, {0}, {}, {-1 / r3, 1 / r3}},
    {"1/x^2", [](double x) { return 1 / (x * x); }, {}, {}, {}, {}},
    {"(x^2-4)/(x^2-1)", [](double x) { return (x * x - 4) / (x * x - 1); }, {-2, 2}, {}, {0}, {}},
    {"1/(x-1)+1", [](double x) { return 1 / (x - 1) + 1; }, {0}, {}, {}, {}},
    {"x+1/x", [](double x) { return x + 1 / x; }, {}, {-1}, {1}, {}},
    {"x^3/(x^2-4)", [](double x) { return x * x * x / (x * x - 4); }, {0}, {-std::sqrt(12.0)},
     {std::sqrt(12.0)}, {0}},
    {"(x-1)/(x+1)", [](double x) { return (x - 1) / (x + 1); }, {1}, {}, {}, {}},
    {"1/(x^2-4)", [](double x) { return 1 / (x * x - 4); }, {}, {0}, {}, {}},
    // wurzel at the ends of its domain.
    {"wurzel(x)", [](double x) { return std::sqrt(x); }, {0}, {}, {}, {}},
    {"wurzel(4-x^2)", [](double x) { return std::sqrt(4 - x * x); }, {-2, 2}, {0}, {}, {}},
    {"wurzel(x-0,3)", [](double x) { return std::sqrt(x - 0.3); }, {0.3}, {}, {}, {}},
    {"wurzel(x^2-1)", [](double x) { return std::sqrt(x * x - 1); }, {-1, 1}, {}, {}, {}},
    {"x*wurzel(x+3)", [](double x) { return x * std::sqrt(x + 3); }, {-3, 0}, {}, {-2}, {}},
    {"wurzel(betrag(x))", [](double x) { return std::sqrt(std::abs(x)); }, {0}, {}, {0}, {}},
    // betrag with kinks.
    {"betrag(x-1)", [](double x) { return std::abs(x - 1); }, {1}, {}, {1}, {}},
    {"betrag(x^2-4)", [](double x) { return std::abs(x * x - 4); }, {-2, 2}, {0}, {-2, 2}, {}},
    {"betrag(x)-1", [](double x) { return std::abs(x) - 1; }, {-1, 1}, {}, {0}, {}},
    {"betrag(sin(x))", [](double x) { return std::abs(std::sin(x)); }, every(0, pi), every(pi / 2, pi),
     every(0, pi), {}},
    // wenn with jumps and pieces.
    {"wenn(x<1;-1;1)", [](double x) { return x < 1 ? -1.0 : 1.0; }, {}, {}, {}, {}},
    {"wenn(x<1;x-3;x+2)", [](double x) { return x < 1 ? x - 3 : x + 2; }, {}, {}, {}, {}},
    {"wenn(x<0;-x^2;x^2)", [](double x) { return x < 0 ? -x * x : x * x; }, {0}, {}, {}, {0}},
    {"wenn(x<2;x^2;8-x^2)", [](double x) { return x < 2 ? x * x : 8 - x * x; }, {0, std::sqrt(8.0)}, {2},
     {0}, {}},
    {"wenn(x<0;x^2;1-x)", [](double x) { return x < 0 ? x * x : 1 - x; }, {1}, {}, {}, {}},
};
// clang-format on

struct Tolerance {
    double x;
    double y;
};

// Zeros to full precision; a zero of even multiplicity, an extremum or an inflection point
// only as far as the values tell (their x), their y again fully.
Tolerance tolerance(PointKind kind, bool evenZero) {
    switch (kind) {
    case PointKind::Nullstelle:
        return {evenZero ? 1e-9 : 1e-12, 0};
    case PointKind::Hochpunkt:
    case PointKind::Tiefpunkt:
        return {1e-9, 1e-12};
    case PointKind::Wendepunkt:
        return {1e-7, 1e-7};
    default:
        return {0, 1e-12};
    }
}

void expectPoints(const Row& row, PointKind kind, std::vector<double> expected,
                  const std::vector<PointOfInterest>& found) {
    SCOPED_TRACE(std::string(row.term) + " " + std::string(pointKindName(kind)));
    ASSERT_EQ(found.size(), expected.size());
    std::sort(expected.begin(), expected.end());
    for (std::size_t i = 0; i < found.size(); ++i) {
        const double x = expected[i];
        const bool evenZero = std::count(row.maxima.begin(), row.maxima.end(), x) +
                                  std::count(row.minima.begin(), row.minima.end(), x) >
                              0;
        const Tolerance tol = tolerance(kind, evenZero);
        const double y = kind == PointKind::Nullstelle ? 0 : row.f(x);
        EXPECT_NEAR(found[i].x, x, tol.x * std::max(1.0, std::abs(x)));
        EXPECT_NEAR(found[i].y, y, tol.y * std::max(1.0, std::abs(y)));
    }
}

using PointsAccuracy = PointsFixture;

TEST_F(PointsAccuracy, EveryPointKnownInClosedFormIsFoundAndNothingElse) {
    for (const Row& row : kRows) {
        terms(row.term);
        for (const auto& [name, value] : row.params) {
            param(name, value);
        }
        const PointsResult r = find(row.lo, row.hi);
        const bool crossesY = row.lo < 0 && 0 < row.hi && std::isfinite(row.f(0));
        expectPoints(row, PointKind::Nullstelle, row.zeros, only(r, "f", PointKind::Nullstelle));
        expectPoints(row, PointKind::Hochpunkt, row.maxima, only(r, "f", PointKind::Hochpunkt));
        expectPoints(row, PointKind::Tiefpunkt, row.minima, only(r, "f", PointKind::Tiefpunkt));
        expectPoints(row, PointKind::Wendepunkt, row.inflections,
                     only(r, "f", PointKind::Wendepunkt));
        expectPoints(row, PointKind::YAchsenabschnitt,
                     crossesY ? std::vector{0.0} : std::vector<double>{},
                     only(r, "f", PointKind::YAchsenabschnitt));
        EXPECT_EQ(r.leftOut, 0) << row.term;
    }
}

} // namespace

} // namespace vestrano
