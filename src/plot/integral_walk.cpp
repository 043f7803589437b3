#include "plot/integral_walk.h"

#include <array>
#include <cstddef>
#include <span>

#include "plot/finite_test.h"
#include "plot/sample_drawing.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

// Steps a walk may take to reach the drawing range: under a second with a simple
// integrand. A lower bound farther away is reported instead of walked to.
constexpr double kMostLeadSteps = 1e8;
// Steps whose integrand values are evaluated together.
constexpr std::size_t kBlockSteps = 1024;
// 0, 1, 2, ... as doubles, so that filling in the x values of a block is plain arithmetic the
// compiler does two at a time.
constexpr auto kBlockOffsets = [] {
    std::array<double, kBlockSteps> offsets{};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = static_cast<double>(i);
    }
    return offsets;
}();

// Where one direction of stammf stands.
struct WalkPoint {
    double sampleidx = 0;
    double sampley = 0;
    double qq = 0;        // the integral so far
    double previous = 0;  // sw times the integrand at the previous step
    bool started = false; // the first step is taken
    bool failed = false;  // an engine error ends the walk at the next sample
    SampleTrace trace;
};

// One direction of stammf, from the lower bound to the far edge of the drawing range. The
// integrand is evaluated a block of steps at a time; the sum, the finiteness test and the
// clamping then go step by step with the operations of the engine's "qq+sw*(g)" (or
// "qq-sw*(g)" for Dir = -1) and its test, so every value is the same to the last bit as when
// each step is evaluated alone.
template <int Dir> class StammfWalk {
  public:
    StammfWalk(PlotState& state, Canvas& canvas, const FiniteTest& test, int slot)
        : state_(state), canvas_(canvas), test_(test), slot_(slot),
          first_(state.slots[slot].drawrange[0]), last_(state.slots[slot].drawrange[1]),
          step_(state.graph.curstep), ymin_(state.view.ymin), ymu_(state.view.ymu),
          yclip_(state.graph.yclip) {}

    // False when the drawing range lies too many steps away to walk to.
    bool run(int32_t integrand, double a) {
        WalkPoint w;
        w.sampleidx = (a - state_.view.xmin) * state_.graph.curnx / state_.view.xspan;
        const double lead = Dir > 0 ? first_ - w.sampleidx : w.sampleidx - last_;
        if (!(lead <= kMostLeadSteps)) {
            return false;
        }
        w.sampley = -ymin_ * ymu_;
        w.trace.lasty = w.sampley;
        SampleBuffers& b = state_.graph.buffers;
        b.resize(kBlockSteps);
        for (int64_t n = 0;;) {
            fillSteps(b.at, a, n);
            const std::size_t count = blockSize(w);
            const std::span<double> values = std::span(b.y).first(count);
            const std::span<int> errors = std::span(b.erry).first(count);
            state_.engine.ucEvaluateBlock(integrand, state_.handles.modevar,
                                          std::span(b.at).first(count), values, errors);
            for (std::size_t j = w.started ? ahead(w, values, errors) : 0; j < count; ++j) {
                if (!step(w, values[j], errors[j])) {
                    return true;
                }
            }
            n += static_cast<int64_t>(count);
        }
    }

  private:
    static double sum(double qq, double product) { return Dir > 0 ? qq + product : qq - product; }

    // The x values of a whole block from step n on. Always the whole block: with a fixed
    // count the compiler fills two at a time.
    void fillSteps(std::span<double> xs, double a, int64_t n) const {
        const double k = static_cast<double>(n);
        const double sw = step_;
        for (std::size_t j = 0; j < kBlockSteps; ++j) {
            xs[j] = a + Dir * (k + kBlockOffsets[j]) * sw;
        }
    }

    // Enough for the rest of the drawing range, so a short walk evaluates no more.
    std::size_t blockSize(const WalkPoint& w) const {
        const double rest = (Dir > 0 ? last_ - w.sampleidx : w.sampleidx - first_) + 2;
        if (!(rest < kBlockSteps)) {
            return kBlockSteps;
        }
        return rest < 1 ? 1 : static_cast<std::size_t>(rest);
    }

    // The steps ahead of the drawing range, after the first, draw nothing: only the sum, the
    // test, a pending error and the clamp tracker go on. A long walk is almost all such steps,
    // taken here in registers. Returns how many values it used; step() takes the rest and
    // finds an end met here again.
    std::size_t ahead(WalkPoint& w, std::span<const double> values,
                      std::span<const int> errors) const {
        WalkPoint p = w;
        std::size_t j = 0;
        for (; j < values.size() && (Dir > 0 ? p.sampleidx < first_ : p.sampleidx > last_); ++j) {
            if (p.failed || !test_.passes(sum(p.qq, p.previous))) {
                break;
            }
            clampY(p.trace, p.sampley, yclip_);
            p.trace.skip = true;
            advance(p, step_ * values[j], errors[j]);
        }
        w = p;
        return j;
    }

    // Draws the sample reached and takes the next step with the integrand's value there;
    // false when the walk ends.
    bool step(WalkPoint& w, double value, int error) const {
        if (w.failed) {
            return false;
        }
        const double product = step_ * value;
        // The test evaluates the step text before x moves on: with the previous step's x.
        if (!test_.passes(sum(w.qq, w.started ? w.previous : product))) {
            return false;
        }
        w.failed = test_.broken();
        clampY(w.trace, w.sampley, yclip_);
        if (w.sampleidx > last_ || w.sampleidx < first_) {
            w.trace.skip = true;
        }
        if (!w.trace.skip && !draw(w.trace, w.sampleidx, w.sampley)) {
            return false;
        }
        advance(w, product, error);
        return Dir > 0 ? w.sampleidx <= last_ : w.sampleidx >= first_;
    }

    // The next value of the integral, sw times the integrand ahead of the previous one.
    void advance(WalkPoint& w, double product, int error) const {
        w.qq = sum(w.qq, product);
        w.failed = w.failed || error != 0;
        w.sampley = (w.qq - ymin_) * ymu_;
        w.previous = product;
        w.started = true;
        w.sampleidx += Dir;
    }

    bool draw(SampleTrace& trace, double sampleidx, double sampley) const {
        const Viewport& v = state_.view;
        SampleTrace drawn = trace;
        const bool ok = drawSample(state_, canvas_, drawn, slot_,
                                   v.picw * sampleidx / state_.graph.curnx / v.tppx,
                                   (v.pich - sampley) / v.tppy);
        trace = drawn;
        return ok;
    }

    PlotState& state_;
    Canvas& canvas_;
    const FiniteTest& test_;
    int slot_;
    double first_;
    double last_;
    double step_; // sw
    double ymin_;
    double ymu_;
    double yclip_;
};

} // namespace

bool stammfdirection(PlotState& state, Canvas& canvas, const FiniteTest& test, int32_t integrand,
                     double a, int dir, int slot) {
    if (dir > 0) {
        return StammfWalk<1>(state, canvas, test, slot).run(integrand, a);
    }
    return StammfWalk<-1>(state, canvas, test, slot).run(integrand, a);
}

} // namespace vestrano
