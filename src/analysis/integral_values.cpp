#include "analysis/integral_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

namespace vestrano {

namespace {

// The way to the farthest row is cut into at least this many pieces, and into pieces no
// longer than 1/16 as long as there are not too many: school integrands change on a scale of
// about 1, and a long way to a row would otherwise take pieces too coarse for them.
constexpr double kFewestPieces = 4096;
constexpr double kPiecesPerUnit = 16;
constexpr double kMostPieces = 1 << 20;

// Five-point Gauss-Legendre on [-1, 1]: exact for polynomials up to degree 9.
constexpr std::array<double, 5> kNodes{-0.9061798459386640, -0.5384693101056831, 0.0,
                                       0.5384693101056831, 0.9061798459386640};
constexpr std::array<double, 5> kWeights{0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                         0.4786286704993665, 0.2369268850561891};

// The way from `a` out to the rows of one side, nearest first, cut into pieces.
struct Walk {
    std::vector<std::size_t> rows;
    std::vector<std::size_t> pieces; // per row: the pieces from the previous row to it
    std::vector<double> nodes;
    std::vector<double> halfWidths; // per piece, negative on the way down
};

Walk plan(std::span<const double> xs, std::vector<std::size_t> rows, double a, double longest) {
    Walk w;
    w.rows = std::move(rows);
    double previous = a;
    for (const std::size_t row : w.rows) {
        const double length = xs[row] - previous;
        // A row at the lower bound itself needs no piece: the integrand need not exist there.
        const double count =
            length == 0 ? 0 : std::max(1.0, std::ceil(std::fabs(length) / longest));
        const auto n = static_cast<std::size_t>(count);
        for (std::size_t j = 0; j < n; ++j) {
            const double lo = previous + length * static_cast<double>(j) / count;
            const double hi = j + 1 == n ? xs[row] : previous + length * (j + 1.0) / count;
            const double half = (hi - lo) / 2;
            for (const double node : kNodes) {
                w.nodes.push_back(lo + half * (1 + node));
            }
            w.halfWidths.push_back(half);
        }
        w.pieces.push_back(n);
        previous = xs[row];
    }
    return w;
}

void walk(PlotState& state, int32_t integrand, const Walk& w, Cells& cells) {
    const Cells values = termValues(state, integrand, w.nodes);
    // Compensated, so that thousands of small pieces add up to the last digits.
    double sum = 0;
    double carry = 0;
    std::size_t piece = 0;
    for (std::size_t r = 0; r < w.rows.size(); ++r) {
        for (std::size_t j = 0; j < w.pieces[r]; ++j, ++piece) {
            double part = 0;
            for (std::size_t k = 0; k < kNodes.size(); ++k) {
                const auto& v = values[piece * kNodes.size() + k];
                if (!v) {
                    return;
                }
                part += kWeights[k] * *v;
            }
            part *= w.halfWidths[piece];
            const double next = sum + part;
            carry += std::fabs(sum) >= std::fabs(part) ? (sum - next) + part : (part - next) + sum;
            sum = next;
        }
        const double value = sum + carry;
        if (!std::isfinite(value)) {
            return;
        }
        cells[w.rows[r]] = value;
    }
}

} // namespace

Cells integralValues(PlotState& state, int32_t integrand, double a, std::span<const double> xs) {
    Cells cells(xs.size());
    std::vector<std::size_t> up;
    std::vector<std::size_t> down;
    double farthest = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        (xs[i] >= a ? up : down).push_back(i);
        farthest = std::max(farthest, std::fabs(xs[i] - a));
    }
    if (!std::isfinite(farthest)) {
        return cells;
    }
    const double pieces = std::clamp(farthest * kPiecesPerUnit, kFewestPieces, kMostPieces);
    const double longest = farthest > 0 ? farthest / pieces : 1;
    std::ranges::sort(up, [&](std::size_t i, std::size_t j) { return xs[i] < xs[j]; });
    std::ranges::sort(down, [&](std::size_t i, std::size_t j) { return xs[i] > xs[j]; });
    walk(state, integrand, plan(xs, std::move(up), a, longest), cells);
    walk(state, integrand, plan(xs, std::move(down), a, longest), cells);
    return cells;
}

} // namespace vestrano
