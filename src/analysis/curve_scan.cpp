#include "analysis/curve_scan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/sign_turns.h"

namespace vestrano {

namespace {

// A zero leaves |u| this small against the samples around it; a pole or a jump changes sign
// without getting anywhere near zero.
constexpr double kZeroRatio = 1e-6;
// A square root falls to zero so steeply that the last defined point of its domain keeps
// about the root of a rounding step.
constexpr double kEdgeRatio = 1e-4;
// The curvature left at an inflection point against the curvature a little beside it.
constexpr double kInflectionRatio = 0.1;
// How far the values just beside a zero or an extremum may lie from it, against the values
// the scan saw around it.
constexpr double kContinuity = 1e-3;
// The width, in scan steps, over which a graph near x = 0 is taken to change smoothly.
constexpr double kSmoothScale = 1000;
constexpr double kEps = std::numeric_limits<double>::epsilon();
// Zeros closer than this (times |x|) are one zero seen twice, e.g. by a sign change of the
// rounding noise at a double root and by its extremum.
const double kSameZero = 4 * std::sqrt(kEps);

struct Zero {
    double x;
    int rank; // the more exact source wins: 0 a sample, 1 a root, 2 a domain end, 3 an extremum
};

class CurveScan {
  public:
    CurveScan(const SampledCurve& c, const PartialFunction& u) : c_(c), u_(u) {}

    void crossings();
    void domainEnds();
    void extrema(bool zerosOnly);
    void inflections();
    CurveFindings finish();

  private:
    bool defined(std::size_t i) const { return !std::isnan(c_.u[i]); }
    double negligible(std::size_t i) const {
        return kNegligible * std::max(1.0, std::abs(c_.x[i]));
    }
    double noise(std::size_t i) const { return c_.noise[i] + negligible(i); }
    bool vanishes(std::size_t i) const { return std::abs(c_.u[i]) <= noise(i); }
    bool inside(double x) const { return x > c_.x.front() && x < c_.x.back(); }
    double step() const { return c_.x[1] - c_.x[0]; }
    // A distance far below the scan's resolution, yet a few units in the last place of x.
    double beside(double x) const { return std::max(1e-9 * step(), 4 * kEps * std::abs(x)); }
    bool continuousAt(double x, double value, double scale) const;
    bool definedBetween(double a, double b) const;
    bool isolatedGap(double last, double undefined) const;
    std::optional<double> curvature(double x, double delta) const;
    bool curvatureVanishes(double x, double delta, double rounding) const;
    // Second differences are far smaller than the values: only rounding bounds them, and where
    // all three values are negligible there is no curvature to speak of (undefined, NaN).
    double bend(std::size_t i) const;
    double bendNoise(std::size_t i) const {
        return c_.noise[i + 1] + 2 * c_.noise[i] + c_.noise[i - 1];
    }
    void inflection(const SignTurn& turn);

    const SampledCurve& c_;
    const PartialFunction& u_;
    std::vector<Zero> zeros_;
    CurveFindings found_;
};

// A jump is not a zero or an extremum even where one side comes arbitrarily close: just beside
// the point the values must stay where they are.
bool CurveScan::continuousAt(double x, double value, double scale) const {
    const std::optional<double> left = u_(x - beside(x));
    const std::optional<double> right = u_(x + beside(x));
    const double allowed = kContinuity * scale;
    return left && right && std::abs(*left - value) <= allowed &&
           std::abs(*right - value) <= allowed;
}

// The sign change may sit on a point the engine refuses, as (x-1)^2/(x-1) at 1: the few
// numbers the bracket still holds are tried, and 0, around which numbers are too dense to try.
bool CurveScan::definedBetween(double a, double b) const {
    constexpr int kMostTried = 8;
    const double to = std::max(a, b);
    if (std::min(a, b) < 0 && 0 < to && !u_(0.0)) {
        return false;
    }
    double x = std::nextafter(std::min(a, b), to);
    for (int i = 0; i < kMostTried && x < to; ++i, x = std::nextafter(x, to)) {
        if (!u_(x)) {
            return false;
        }
    }
    return true;
}

// A single undefined point after `last`, where the domain goes on just beyond.
bool CurveScan::isolatedGap(double last, double undefined) const {
    return u_(undefined + std::copysign(beside(undefined), undefined - last)).has_value();
}

void CurveScan::crossings() {
    const auto value = [this](std::size_t i) { return c_.u[i]; };
    const auto noise = [this](std::size_t i) { return this->noise(i); };
    for (const SignTurn& t : signTurns(c_.u.size(), value, noise)) {
        const std::size_t a = t.first;
        const std::size_t b = t.last;
        if (b == a + 2 && c_.u[a + 1] == 0) {
            zeros_.push_back({c_.x[a + 1], 0});
            continue;
        }
        const auto root = bracketedRoot(u_, c_.x[a], c_.x[b], c_.u[a], c_.u[b]);
        const double scale = std::max(std::abs(c_.u[a]), std::abs(c_.u[b]));
        const double rounding = std::max(this->noise(a), this->noise(b));
        if (root && std::abs(root->y) <= kZeroRatio * scale + rounding &&
            definedBetween(root->x, root->other) && continuousAt(root->x, root->y, scale)) {
            zeros_.push_back({root->x, 1});
        }
    }
}

// Where the engine stops giving values, the last defined point may be a zero (wurzel(x)).
void CurveScan::domainEnds() {
    const std::size_t n = c_.x.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (defined(i) == defined(i + 1)) {
            continue;
        }
        const std::size_t in = defined(i) ? i : i + 1;
        const std::size_t out = defined(i) ? i + 1 : i;
        const std::size_t next = in == i ? i - 1 : i + 2; // further into the domain
        const bool haveNext = next < n && defined(next);
        if (vanishes(in)) {
            if (!haveNext || !vanishes(next)) {
                zeros_.push_back({c_.x[in], c_.u[in] == 0 ? 0 : 1});
            }
            continue;
        }
        const DomainEdge end = domainEdge(u_, c_.x[in], c_.u[in], c_.x[out]);
        const double scale = std::max(std::abs(c_.u[in]), haveNext ? std::abs(c_.u[next]) : 0.0);
        if (std::abs(end.last.y) <= kEdgeRatio * scale + noise(in) &&
            !isolatedGap(end.last.x, end.undefined)) {
            zeros_.push_back({end.last.x, 2});
        }
    }
}

void CurveScan::extrema(bool zerosOnly) {
    const auto slope = [this](std::size_t i) { return c_.u[i + 1] - c_.u[i]; };
    const auto slopeNoise = [this](std::size_t i) { return noise(i) + noise(i + 1); };
    for (const SignTurn& t : signTurns(c_.x.size() - 1, slope, slopeNoise)) {
        const double sense = t.fromPositive ? 1.0 : -1.0; // 1 for a maximum
        const std::size_t a = t.first;
        const std::size_t b = t.last + 1;
        std::size_t best = a + 1;
        for (std::size_t i = a + 2; i < b; ++i) {
            best = sense * c_.u[i] > sense * c_.u[best] ? i : best;
        }
        const double rise =
            std::max(sense * (c_.u[best] - c_.u[a]), sense * (c_.u[best] - c_.u[b]));
        if (zerosOnly && std::abs(c_.u[best]) > rise) {
            continue; // cannot touch zero
        }
        const PartialFunction descent = [&](double x) -> std::optional<double> {
            const std::optional<double> v = u_(x);
            return v ? std::optional(-sense * *v) : std::nullopt;
        };
        const auto found = bracketedMinimum(descent, c_.x[a], c_.x[b], c_.x[best]);
        if (!found) {
            continue;
        }
        const FunctionPoint m = polishedMinimum(descent, *found, kSmoothScale * step());
        const double value = -sense * m.y;
        if (sense * (value - c_.u[best]) > rise + noise(best)) {
            continue; // a pole between the samples: the values run away from them
        }
        if (!continuousAt(m.x, value, rise)) {
            continue;
        }
        if (!zerosOnly) {
            (sense > 0 ? found_.maxima : found_.minima).push_back({m.x, value});
        }
        if (std::abs(value) <= kZeroRatio * rise + noise(best)) {
            zeros_.push_back({m.x, 3});
        }
    }
}

// The second difference over `delta` around x.
std::optional<double> CurveScan::curvature(double x, double delta) const {
    const std::optional<double> left = u_(x - delta);
    const std::optional<double> mid = u_(x);
    const std::optional<double> right = u_(x + delta);
    if (!left || !mid || !right) {
        return std::nullopt;
    }
    return *right - 2 * *mid + *left;
}

double CurveScan::bend(std::size_t i) const {
    const bool flat = std::abs(c_.u[i - 1]) <= negligible(i - 1) &&
                      std::abs(c_.u[i]) <= negligible(i) &&
                      std::abs(c_.u[i + 1]) <= negligible(i + 1);
    return flat ? std::numeric_limits<double>::quiet_NaN()
                : c_.u[i + 1] - 2 * c_.u[i] + c_.u[i - 1];
}

void CurveScan::inflections() {
    // Entry i is the second difference at sample i + 1.
    const auto value = [this](std::size_t i) { return bend(i + 1); };
    const auto noise = [this](std::size_t i) { return bendNoise(i + 1); };
    for (SignTurn t : signTurns(c_.x.size() - 2, value, noise)) {
        ++t.first;
        ++t.last;
        inflection(t);
    }
}

// Where the curvature really changes sign, the second difference vanishes at the root against
// its values a little to either side, over the step and over half of it. Beside a kink the
// root sits where the kink's share balances the curvature, and over half the step the
// curvature is back; beside a jump or a pole the root is no root at all.
bool CurveScan::curvatureVanishes(double x, double delta, double rounding) const {
    for (const double d : {delta, delta / 2}) {
        const std::optional<double> at = curvature(x, d);
        const std::optional<double> left = curvature(x - 2 * delta, d);
        const std::optional<double> right = curvature(x + 2 * delta, d);
        if (!at || !left || !right ||
            std::abs(*at) >
                kInflectionRatio * std::max(std::abs(*left), std::abs(*right)) + rounding) {
            return false;
        }
    }
    return true;
}

void CurveScan::inflection(const SignTurn& turn) {
    // A step well below the scan's: the root of the second difference moves from the
    // inflection point by about the square of the step.
    const double delta = step() / 8;
    const PartialFunction atDelta = [&](double x) { return curvature(x, delta); };
    const auto opposite = [](std::optional<double> p, std::optional<double> q) {
        return p && q && ((*p > 0 && *q < 0) || (*p < 0 && *q > 0));
    };
    std::size_t a = turn.first;
    std::size_t b = turn.last;
    std::optional<double> ca = atDelta(c_.x[a]);
    std::optional<double> cb = atDelta(c_.x[b]);
    if (!opposite(ca, cb)) {
        // Near an end of the bracket the finer difference may still have the other sign.
        if (b + 1 >= c_.x.size()) {
            return;
        }
        ca = atDelta(c_.x[--a]);
        cb = atDelta(c_.x[++b]);
        if (!opposite(ca, cb)) {
            return;
        }
    }
    const auto root = bracketedRoot(atDelta, c_.x[a], c_.x[b], *ca, *cb);
    const double rounding = std::max(bendNoise(turn.first), bendNoise(turn.last));
    if (!root || !curvatureVanishes(root->x, delta, rounding)) {
        return;
    }
    if (const std::optional<double> y = u_(root->x)) {
        found_.inflections.push_back({root->x, *y});
    }
}

CurveFindings CurveScan::finish() {
    std::sort(zeros_.begin(), zeros_.end(), [](const Zero& p, const Zero& q) { return p.x < q.x; });
    const double near = 1e-4 * step();
    std::vector<Zero> kept;
    for (const Zero& z : zeros_) {
        if (!inside(z.x)) {
            continue;
        }
        if (!kept.empty() && z.x - kept.back().x <= std::max(near, kSameZero * std::abs(z.x))) {
            kept.back() = z.rank < kept.back().rank ? z : kept.back();
            continue;
        }
        kept.push_back(z);
    }
    for (const Zero& z : kept) {
        found_.zeros.push_back(z.x);
    }
    for (auto* list : {&found_.maxima, &found_.minima, &found_.inflections}) {
        std::erase_if(*list, [&](const FunctionPoint& p) { return !inside(p.x); });
    }
    return std::move(found_);
}

} // namespace

void addArgumentRounding(std::span<const double> x, std::span<const double> u,
                         std::span<double> noise) {
    const std::size_t n = x.size();
    if (n < 2) {
        return;
    }
    // Each x is computed from the ends, so it is off by the rounding of the larger end.
    const double offBy = kRounding * std::max(std::abs(x.front()), std::abs(x.back()));
    const double perChange = offBy / (2 * (x[1] - x[0]));
    for (std::size_t i = 0; i < n; ++i) {
        const double change = std::abs(u[i + 1 < n ? i + 1 : i] - u[i > 0 ? i - 1 : i]);
        noise[i] += std::isnan(change) ? 0.0 : perChange * change;
    }
}

void addQuotientRounding(std::span<const double> u, std::span<double> noise) {
    const std::size_t n = u.size();
    if (n < 5) {
        return;
    }
    std::vector<double> jitter(n, 0.0);
    for (std::size_t i = 2; i + 2 < n; ++i) {
        const double d4 = u[i - 2] - 4 * u[i - 1] + 6 * u[i] - 4 * u[i + 1] + u[i + 2];
        jitter[i] = std::isnan(d4) ? 0.0 : std::abs(d4);
    }
    // Rounding is as large near a sample as at it: the largest jitter around each one.
    constexpr std::size_t kReach = 3;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t lo = i < kReach ? 0 : i - kReach;
        const std::size_t hi = std::min(n - 1, i + kReach);
        noise[i] += *std::max_element(jitter.begin() + static_cast<std::ptrdiff_t>(lo),
                                      jitter.begin() + static_cast<std::ptrdiff_t>(hi) + 1);
    }
}

CurveFindings scanCurve(const SampledCurve& c, const PartialFunction& u, bool zerosOnly) {
    if (c.x.size() < 3) {
        return {};
    }
    CurveScan scan(c, u);
    scan.crossings();
    scan.domainEnds();
    scan.extrema(zerosOnly);
    if (!zerosOnly) {
        scan.inflections();
    }
    return scan.finish();
}

} // namespace vestrano
