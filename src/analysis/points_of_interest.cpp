#include "analysis/points_of_interest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <tuple>
#include <utility>

#include "analysis/curve_scan.h"
#include "analysis/slot_graph.h"
#include "plot/expr_pass.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

constexpr std::array<std::string_view, 6> kKindNames{
    "Nullstelle", "Hochpunkt", "Tiefpunkt", "Wendepunkt", "y-Achsenabschnitt", "Schnittpunkt"};

// Graphs 0..2 are the slots, 3..5 the pairs below.
constexpr std::array<const char*, 6> kGraphNames{"f", "g", "h", "f,g", "f,h", "g,h"};
constexpr std::array<std::pair<int, int>, 3> kPairs{{{0, 1}, {0, 2}, {1, 2}}};

struct Graph {
    SlotGraph values;
    double lo;
    double hi;
};

std::optional<Graph> drawnGraph(PlotState& state, ExprPass& pass, int k, double xmin, double xmax) {
    const TermSlot& s = state.slots[k];
    if (!s.visible || s.engtext.empty() || !s.integrand.empty()) {
        return std::nullopt;
    }
    const auto range = drawnInterval(state, k, xmin, xmax);
    if (!range) {
        return std::nullopt;
    }
    const int32_t expr = pass.parse(s.engtext);
    if (state.engine.ucGetError() != 0) {
        state.engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return Graph{SlotGraph(state, expr), range->first, range->second};
}

struct Found {
    int graph;
    PointKind kind;
    double x;
    double y;
};

class PointsAnalysis {
  public:
    explicit PointsAnalysis(const std::array<std::optional<Graph>, kSlotCount>& graphs)
        : graphs_(graphs) {}

    void graph(int k);
    void pair(int p);
    PointsResult result(double span);

  private:
    struct Samples {
        int slot;
        double lo;
        double hi;
        std::vector<double> u;
        bool quotient = false;
    };

    const std::vector<double>& grid(double lo, double hi);
    const Samples& samples(int k, double lo, double hi);
    void add(int graph, PointKind kind, const std::vector<FunctionPoint>& points) {
        for (const FunctionPoint& p : points) {
            found_.push_back({graph, kind, p.x, p.y});
        }
    }

    const std::array<std::optional<Graph>, kSlotCount>& graphs_;
    std::deque<Samples> grids_; // slot -1
    std::deque<Samples> samples_;
    std::vector<double> u_; // the curve being scanned, when it is not a slot's samples
    std::vector<double> noise_;
    std::vector<Found> found_;
};

const std::vector<double>& PointsAnalysis::grid(double lo, double hi) {
    for (const Samples& s : grids_) {
        if (s.lo == lo && s.hi == hi) {
            return s.u;
        }
    }
    return grids_.emplace_back(Samples{-1, lo, hi, scanGrid(lo, hi, kScanSteps)}).u;
}

// Each slot is sampled once per interval: a pair with the slots' own interval reuses them.
const PointsAnalysis::Samples& PointsAnalysis::samples(int k, double lo, double hi) {
    for (const Samples& s : samples_) {
        if (s.slot == k && s.lo == lo && s.hi == hi) {
            return s;
        }
    }
    const std::vector<double>& x = grid(lo, hi);
    Samples& s = samples_.emplace_back(Samples{k, lo, hi, {}});
    s.u = graphs_[k]->values.sample(x, &s.quotient);
    return s;
}

void PointsAnalysis::graph(int k) {
    const Graph& g = *graphs_[k];
    const Samples& s = samples(k, g.lo, g.hi);
    const std::vector<double>& y = s.u;
    noise_.resize(y.size());
    for (std::size_t i = 0; i < y.size(); ++i) {
        noise_[i] = kRounding * std::abs(y[i]);
    }
    if (s.quotient) {
        addQuotientRounding(y, noise_);
    }
    const std::vector<double>& x = grid(g.lo, g.hi);
    addArgumentRounding(x, y, noise_);
    const SampledCurve c{x, y, noise_};
    const PartialFunction u = [&g](double x) { return g.values.at(x); };
    const CurveFindings f = scanCurve(c, u, false);
    for (const double x : f.zeros) {
        found_.push_back({k, PointKind::Nullstelle, x, 0.0});
    }
    add(k, PointKind::Hochpunkt, f.maxima);
    add(k, PointKind::Tiefpunkt, f.minima);
    add(k, PointKind::Wendepunkt, f.inflections);
    if (g.lo < 0 && 0 < g.hi) {
        if (const std::optional<double> y = g.values.at(0)) {
            found_.push_back({k, PointKind::YAchsenabschnitt, 0.0, *y});
        }
    }
}

void PointsAnalysis::pair(int p) {
    const auto [a, b] = kPairs[p];
    if (!graphs_[a] || !graphs_[b]) {
        return;
    }
    const Graph& ga = *graphs_[a];
    const Graph& gb = *graphs_[b];
    const double lo = std::max(ga.lo, gb.lo);
    const double hi = std::min(ga.hi, gb.hi);
    if (!(lo < hi)) {
        return;
    }
    const Samples& sa = samples(a, lo, hi);
    const Samples& sb = samples(b, lo, hi);
    const std::vector<double>& ya = sa.u;
    const std::vector<double>& yb = sb.u;
    u_.resize(ya.size());
    noise_.resize(ya.size());
    for (std::size_t i = 0; i < ya.size(); ++i) {
        u_[i] = ya[i] - yb[i];
        noise_[i] = kRounding * std::max(std::abs(ya[i]), std::abs(yb[i]));
    }
    if (sa.quotient || sb.quotient) {
        addQuotientRounding(u_, noise_);
    }
    const std::vector<double>& x = grid(lo, hi);
    addArgumentRounding(x, u_, noise_);
    const SampledCurve c{x, u_, noise_};
    const PartialFunction difference = [&ga, &gb](double x) -> std::optional<double> {
        const std::optional<double> va = ga.values.at(x);
        const std::optional<double> vb = va ? gb.values.at(x) : std::nullopt;
        return vb ? std::optional(*va - *vb) : std::nullopt;
    };
    for (const double x : scanCurve(c, difference, true).zeros) {
        if (const std::optional<double> y = ga.values.at(x)) {
            found_.push_back({kSlotCount + p, PointKind::Schnittpunkt, x, *y});
        }
    }
}

// What rounding leaves of an exact 0 is shown as 0: a y under the scan's own rule for zero, and
// an x that close to 0 against the interval (the Tiefpunkt of x^2-4 found at 7e-14).
void showRoundingAsZero(Found& p, double span) {
    if (std::abs(p.y) <= kNegligible * std::max(1.0, std::abs(p.x))) {
        p.y = 0;
    }
    if (std::abs(p.x) <= kNegligible * span) {
        p.x = 0;
    }
}

PointsResult PointsAnalysis::result(double span) {
    const auto byKind = [](const Found& p, const Found& q) {
        return std::tie(p.graph, p.kind, p.x) < std::tie(q.graph, q.kind, q.x);
    };
    std::sort(found_.begin(), found_.end(), byKind);
    PointsResult r;
    std::vector<Found> kept;
    int run = 0;
    for (std::size_t i = 0; i < found_.size(); ++i) {
        const bool sameGroup =
            i > 0 && found_[i].graph == found_[i - 1].graph && found_[i].kind == found_[i - 1].kind;
        run = sameGroup ? run + 1 : 1;
        if (run > kMostPointsPerKind) {
            ++r.leftOut;
            continue;
        }
        kept.push_back(found_[i]);
        showRoundingAsZero(kept.back(), span);
    }
    std::sort(kept.begin(), kept.end(), [](const Found& p, const Found& q) {
        return std::tie(p.graph, p.x, p.kind) < std::tie(q.graph, q.x, q.kind);
    });
    for (const Found& p : kept) {
        r.points.push_back({kGraphNames[static_cast<std::size_t>(p.graph)], p.kind, p.x, p.y});
    }
    return r;
}

} // namespace

std::string_view pointKindName(PointKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

PointsResult findPoints(PlotState& state, double xmin, double xmax) {
    if (state.mode != 0 || !(xmin < xmax)) {
        return {};
    }
    ExprPass pass(state.engine);
    // Braced lists are evaluated in order, so the slots parse in order.
    const std::array<std::optional<Graph>, kSlotCount> graphs{
        drawnGraph(state, pass, 0, xmin, xmax), drawnGraph(state, pass, 1, xmin, xmax),
        drawnGraph(state, pass, 2, xmin, xmax)};
    PointsAnalysis analysis(graphs);
    for (int k = 0; k < kSlotCount; ++k) {
        if (graphs[static_cast<std::size_t>(k)]) {
            analysis.graph(k);
        }
    }
    for (int p = 0; p < static_cast<int>(kPairs.size()); ++p) {
        analysis.pair(p);
    }
    return analysis.result(xmax - xmin);
}

} // namespace vestrano
