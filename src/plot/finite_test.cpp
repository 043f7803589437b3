#include "plot/finite_test.h"

#include <bit>
#include <cstdint>

#include "plot/expr_pass.h"
#include "plot/integral_drawing.h"
#include "state/plot_state.h"

namespace vestrano {

FiniteTest FiniteTest::of(PlotState& state, ExprPass& pass) {
    ExprEngine& engine = state.engine;
    const int32_t qq = state.handles.qq;
    const int32_t test = ifdl(state, pass, "qq");
    const auto fails = [&](double value) {
        engine.ucSetVariableValueDbl(qq, value);
        return engine.ucEvaluate(test) == 0;
    };
    FiniteTest t;
    t.nanPasses_ = !fails(std::numeric_limits<double>::quiet_NaN());
    t.broken_ = engine.ucGetError() != 0;
    engine.ucEval(std::nullopt);
    if (t.broken_ || !fails(std::numeric_limits<double>::infinity())) {
        return t;
    }
    // Non-negative doubles are ordered as their bit patterns are.
    uint64_t passing = 0;
    uint64_t failing = std::bit_cast<uint64_t>(std::numeric_limits<double>::infinity());
    if (fails(0)) {
        failing = 0;
    }
    while (failing > 0 && failing - passing > 1) {
        const uint64_t mid = passing + (failing - passing) / 2;
        (fails(std::bit_cast<double>(mid)) ? failing : passing) = mid;
    }
    t.from_ = std::bit_cast<double>(failing);
    return t;
}

} // namespace vestrano
