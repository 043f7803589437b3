#include "plot/integral_drawing.h"

#include <cstdint>
#include <optional>
#include <string>

#include "engine/errtext.h"
#include "plot/drawing_messages.h"
#include "plot/expr_pass.h"
#include "plot/finite_test.h"
#include "plot/integral_walk.h"
#include "plot/mapping.h"
#include "plot/sample_drawing.h"
#include "state/plot_state.h"

namespace vestrano {

namespace {

// The curve-mode walk goes through the engine one step at a time, drawing every step, so it
// stops at fewer.
constexpr double kMostCurveSteps = 1e6;

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

// x(t) in twips, and the test that x(t) is still finite.
struct CurveTerms {
    int32_t x = 0;
    int32_t xtest = 0;
};

// One direction of stammk, until t leaves the t interval; false when that is too many steps
// away.
bool stammkDirection(PlotState& state, Canvas& canvas, Ui& ui, ExprPass& pass, const CurveTerms& xt,
                     const std::string& step, double a, int dir, int slot) {
    ExprEngine& engine = state.engine;
    const GraphState& g = state.graph;
    const Viewport& v = state.view;
    const EngineHandles& h = state.handles;
    const double steps = (dir > 0 ? state.view.tmax - a : a - state.view.tmin) / g.curstep;
    if (!(steps <= kMostCurveSteps)) {
        return false;
    }
    const int32_t next = pass.parse(step);
    const int32_t test = ifdl(state, pass, step);

    StickyError error(engine);
    engine.ucSetVariableValueDbl(h.modevar, a);
    double samplex = error.evaluate(xt.x);
    double sampley = -state.view.ymin * v.ymu;
    engine.ucSetVariableValueDbl(h.qq, 0);
    SampleTrace trace;
    for (int k = 0;; k += dir) {
        const bool finite = error.evaluate(test) != 0;
        if (!finite || error.evaluate(xt.xtest) == 0) {
            return true;
        }
        if (error.failed()) {
            showOnce(state, ui,
                     "Bei Integralfkt im Kurvenmodus unmöglicher Fehler " + error.text());
            return true;
        }
        clampXY(trace, samplex, sampley, g.xclip, g.yclip);
        if (!trace.skip && !drawSample(state, canvas, trace, slot, samplex / v.tppx,
                                       (v.pich - sampley) / v.tppy)) {
            return true;
        }
        const double t = a + k * g.curstep;
        engine.ucSetVariableValueDbl(h.modevar, t);
        const double value = error.evaluate(next);
        engine.ucSetVariableValueDbl(h.qq, value);
        sampley = (value - state.view.ymin) * v.ymu;
        samplex = error.evaluate(xt.x);
        if (t > state.view.tmax || t < state.view.tmin) {
            return true;
        }
    }
}

} // namespace

std::optional<std::string> integrandOf(const PlotState& state, std::string_view term, int slot) {
    if (term != slotName(state.mode, SlotText::Integral)) {
        return state.slots[slot].integrand;
    }
    if (state.slots[0].engtext.empty()) {
        return std::nullopt;
    }
    return "(" + slotName(state.mode, SlotText::Function) + ")";
}

int32_t ifdl(const PlotState& state, ExprPass& pass, std::string_view text) {
    std::string test = "iif(1/(1+abs(";
    test += text;
    test += "))<";
    test += state.graph.inflimit;
    test += ",0,1)";
    return pass.parse(test);
}

bool stammf(PlotState& state, Canvas& canvas, std::string_view term, int slot) {
    const auto integrand = integrandOf(state, term, slot);
    if (!integrand) {
        return true;
    }
    const double a = state.params[slot].parvalue;
    ExprPass pass(state.engine);
    const int32_t g = pass.parse(*integrand);
    const FiniteTest test = FiniteTest::of(state, pass);
    const bool right = stammfdirection(state, canvas, test, g, a, 1, slot);
    const bool left = stammfdirection(state, canvas, test, g, a, -1, slot);
    return right && left;
}

bool stammk(PlotState& state, Canvas& canvas, Ui& ui, std::string_view term, int slot) {
    const auto integrand = integrandOf(state, term, slot);
    if (!integrand) {
        return true;
    }
    const double a = state.params[slot].parvalue;
    ExprPass pass(state.engine);
    const std::string& xterm = state.slots[0].engtext;
    const CurveTerms xt{pass.parse(makemx(xterm)), ifdl(state, pass, xterm)};
    const bool right =
        stammkDirection(state, canvas, ui, pass, xt, "qq+sw*" + *integrand, a, 1, slot);
    const bool left =
        stammkDirection(state, canvas, ui, pass, xt, "qq-sw*" + *integrand, a, -1, slot);
    return right && left;
}

} // namespace vestrano
