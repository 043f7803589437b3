#include "analysis/term_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>

#include "state/plot_state.h"

namespace vestrano {

namespace {

struct Sided {
    std::vector<double> values;
    std::vector<int> errors;
};

Sided evaluate(PlotState& state, int32_t expr, std::span<const double> xs) {
    Sided s{std::vector<double>(xs.size()), std::vector<int>(xs.size())};
    state.engine.ucEvaluateBlock(expr, state.handles.modevar, xs, s.values, s.errors);
    return s;
}

Sided evaluateWithStep(PlotState& state, int32_t expr, std::span<const double> xs, double sw) {
    state.engine.ucSetVariableValueDbl(state.handles.sw, sw);
    return evaluate(state, expr, xs);
}

// Near the cube root of the machine epsilon the central quotient's rounding and truncation
// errors balance for functions that change on a scale of 1, as school functions do. A step
// that grew with x would lose the periodic ones at large x; a power of two keeps x + h exact
// up to |x| of 2^35.
constexpr double kStep = 1.0 / (1 << 17);

// The value from the two sides' values; empty when either side failed. Equal sides (a term
// without a quotient) give their value unchanged.
std::optional<double> central(double right, int rightError, double left, int leftError) {
    if (rightError != 0 || leftError != 0) {
        return std::nullopt;
    }
    const double v = std::midpoint(right, left);
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

// Whether a difference quotient can be in a term: the step "sw" in any slot's term, since a
// term may call another slot. Without one, the two sides are equal and one is enough.
bool stepUsed(const PlotState& state) {
    const auto isName = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    };
    for (const TermSlot& slot : state.slots) {
        const std::string& t = slot.engtext;
        for (std::size_t at = t.find("sw"); at != std::string::npos; at = t.find("sw", at + 1)) {
            const bool before = at > 0 && isName(t[at - 1]);
            const bool after = at + 2 < t.size() && isName(t[at + 2]);
            if (!before && !after) {
                return true;
            }
        }
    }
    return false;
}

// The drawing sets its own step before each graph; the last one stays as it left it.
void restoreStep(PlotState& state) {
    state.engine.ucSetVariableValueDbl(state.handles.sw, state.graph.curstep);
}

} // namespace

Cells termValues(PlotState& state, int32_t expr, std::span<const double> xs, bool* quotient) {
    Cells cells(xs.size());
    // Without a quotient the step is never read: one evaluation, and the step stays untouched.
    if (!stepUsed(state)) {
        const Sided once = evaluate(state, expr, xs);
        if (quotient) {
            *quotient = false;
        }
        for (std::size_t i = 0; i < xs.size(); ++i) {
            cells[i] = central(once.values[i], once.errors[i], once.values[i], once.errors[i]);
        }
        return cells;
    }
    const Sided right = evaluateWithStep(state, expr, xs, kStep);
    const Sided left = evaluateWithStep(state, expr, xs, -kStep);
    restoreStep(state);
    if (quotient) {
        *quotient = right.values != left.values;
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        cells[i] = central(right.values[i], right.errors[i], left.values[i], left.errors[i]);
    }
    return cells;
}

std::optional<double> termValue(PlotState& state, int32_t expr, double x) {
    ExprEngine& engine = state.engine;
    engine.ucSetVariableValueDbl(state.handles.modevar, x);
    const auto value = [&](int& error) {
        const double v = engine.ucEvaluate(expr);
        error = engine.ucGetError();
        if (error != 0) {
            engine.ucEval(std::nullopt); // clears the error for the next evaluation
        }
        return v;
    };
    int rightError = 0;
    if (!stepUsed(state)) {
        const double v = value(rightError);
        return central(v, rightError, v, rightError);
    }
    const auto side = [&](double sw, int& error) {
        engine.ucSetVariableValueDbl(state.handles.sw, sw);
        return value(error);
    };
    int leftError = 0;
    const double right = side(kStep, rightError);
    const double left = side(-kStep, leftError);
    restoreStep(state);
    return central(right, rightError, left, leftError);
}

} // namespace vestrano
