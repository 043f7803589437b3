#include "plot/integral_drawing.h"

#include <array>
#include <optional>
#include <string>

#include "engine/errtext.h"
#include "plot/drawing_messages.h"
#include "plot/expr_pass.h"
#include "plot/mapping.h"
#include "plot/sample_drawing.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

// A lower bound absurdly far from the drawing range would otherwise step for minutes
// before reaching it.
constexpr int kMostIntegralSteps = 1000000;

// The texts of one step to the right and one to the left: the integral so far plus or
// minus the step times the integrand. None when F(x) is asked for without an f(x).
std::optional<std::array<std::string, 2>> steptexts(const PlotState& state, std::string_view term,
                                                    int slot) {
    std::string integrand = state.slots[slot].integrand;
    if (term == slotName(state.mode, 8)) {
        if (state.slots[0].engtext.empty()) {
            return std::nullopt;
        }
        integrand = "(" + slotName(state.mode, 3) + ")";
    }
    return std::array<std::string, 2>{"qq+sw*" + integrand, "qq-sw*" + integrand};
}

// The engine forgets an error at its next evaluation, but the integral loops look at the
// errors of several evaluations at once: the first one is kept here.
class StickyError {
  public:
    explicit StickyError(ExprEngine& engine) : engine_(engine) {}

    double evaluate(int32_t expr) {
        const double v = engine_.ucEvaluate(expr);
        if (!failed_ && engine_.ucGetError() != 0) {
            failed_ = true;
            text_ = errtext(engine_, -1);
            engine_.ucEval(std::nullopt);
        }
        return v;
    }
    bool failed() const { return failed_; }
    const std::string& text() const { return text_; }

  private:
    ExprEngine& engine_;
    bool failed_ = false;
    std::string text_;
};

// One direction of stammf: from the lower bound `a` to the edge of the drawing range.
void stammfDirection(PlotState& state, Canvas& canvas, ExprPass& pass, const std::string& step,
                     double a, int dir, int slot) {
    ExprEngine& engine = state.engine;
    const GraphState& g = state.graph;
    const Viewport& v = state.view;
    const EngineHandles& h = state.handles;
    const auto [first, last] = state.slots[slot].drawrange;
    const int32_t test = ifdl(state, pass, step);
    const int32_t next = pass.parse(step);

    double sampleidx = (a - state.xmin) * g.curnx / v.xspan;
    double sampley = -state.ymin * v.ymu;
    engine.ucSetVariableValueDbl(h.modevar, a);
    engine.ucSetVariableValueDbl(h.qq, 0);
    SampleTrace trace;
    trace.lasty = sampley;
    StickyError error(engine);
    for (int k = 0; k != dir * kMostIntegralSteps; k += dir) {
        if (error.failed() || error.evaluate(test) == 0) {
            return;
        }
        clampY(trace, sampley, g.yclip);
        if (sampleidx > last || sampleidx < first) {
            trace.skip = true;
        }
        if (!trace.skip &&
            !drawSample(state, canvas, trace, slot, v.picw * sampleidx / g.curnx / v.tppx,
                        (v.pich - sampley) / v.tppy)) {
            return;
        }
        engine.ucSetVariableValueDbl(h.modevar, a + k * g.curstep);
        const double value = error.evaluate(next);
        engine.ucSetVariableValueDbl(h.qq, value);
        sampley = (value - state.ymin) * v.ymu;
        sampleidx += dir;
        if (dir > 0 ? sampleidx > last : sampleidx < first) {
            return;
        }
    }
}

// x(t) in twips, and the test that x(t) is still finite.
struct CurveTerms {
    int32_t x = 0;
    int32_t xtest = 0;
};

void stammkDirection(PlotState& state, Canvas& canvas, Ui& ui, ExprPass& pass, const CurveTerms& xt,
                     const std::string& step, double a, int dir, int slot) {
    ExprEngine& engine = state.engine;
    const GraphState& g = state.graph;
    const Viewport& v = state.view;
    const EngineHandles& h = state.handles;
    const int32_t next = pass.parse(step);
    const int32_t test = ifdl(state, pass, step);

    StickyError error(engine);
    engine.ucSetVariableValueDbl(h.modevar, a);
    double samplex = error.evaluate(xt.x);
    double sampley = -state.ymin * v.ymu;
    engine.ucSetVariableValueDbl(h.qq, 0);
    SampleTrace trace;
    for (int k = 0; k != dir * kMostIntegralSteps; k += dir) {
        const bool finite = error.evaluate(test) != 0;
        if (!finite || error.evaluate(xt.xtest) == 0) {
            return;
        }
        if (error.failed()) {
            showOnce(state, ui,
                     "Bei Integralfkt im Kurvenmodus unmöglicher Fehler " + error.text());
            return;
        }
        clampXY(trace, samplex, sampley, g.xclip, g.yclip);
        if (!trace.skip && !drawSample(state, canvas, trace, slot, samplex / v.tppx,
                                       (v.pich - sampley) / v.tppy)) {
            return;
        }
        const double t = a + k * g.curstep;
        engine.ucSetVariableValueDbl(h.modevar, t);
        const double value = error.evaluate(next);
        engine.ucSetVariableValueDbl(h.qq, value);
        sampley = (value - state.ymin) * v.ymu;
        samplex = error.evaluate(xt.x);
        if (t > state.tmax || t < state.tmin) {
            return;
        }
    }
}

} // namespace

int32_t ifdl(const PlotState& state, ExprPass& pass, std::string_view text) {
    std::string test = "iif(1/(1+abs(";
    test += text;
    test += "))<";
    test += state.graph.inflimit;
    test += ",0,1)";
    return pass.parse(test);
}

void stammf(PlotState& state, Canvas& canvas, std::string_view term, int slot) {
    const auto steps = steptexts(state, term, slot);
    if (!steps) {
        return;
    }
    const double a = state.params[slot].parvalue;
    ExprPass pass(state.engine);
    stammfDirection(state, canvas, pass, (*steps)[0], a, 1, slot);
    stammfDirection(state, canvas, pass, (*steps)[1], a, -1, slot);
}

void stammk(PlotState& state, Canvas& canvas, Ui& ui, std::string_view term, int slot) {
    const auto steps = steptexts(state, term, slot);
    if (!steps) {
        return;
    }
    const double a = state.params[slot].parvalue;
    ExprPass pass(state.engine);
    const std::string& xterm = state.slots[0].engtext;
    const CurveTerms xt{pass.parse(makemx(xterm)), ifdl(state, pass, xterm)};
    stammkDirection(state, canvas, ui, pass, xt, (*steps)[0], a, 1, slot);
    stammkDirection(state, canvas, ui, pass, xt, (*steps)[1], a, -1, slot);
}

} // namespace vestrano
