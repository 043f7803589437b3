#include "params/param_arithmetic.h"

#include <cmath>
#include <utility>

#include "params/decimal_grid.h"
#include "params/param_table.h"
#include "params/recalculation.h"
#include "plot/fmtnum.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

const char* const kBadInputTitle = "Fehlerhafte Eingabe";
const char* const kCountRangeText = "Stützstellenanzahl muss im Bereich [2; 20000] liegen!";
const char* const kSpanText = "Der Abstand der Grenzen ist zu groß!";

std::pair<double, double> interval(const PlotState& state) {
    if (state.mode == 0) {
        return {state.view.xmin, state.view.xmax};
    }
    return {state.view.tmin, state.view.tmax};
}

// What the bar spans when setpar places it: the interval for the lower bounds.
std::pair<double, double> barRange(const PlotState& state, int s) {
    if (isBoundSlot(s)) {
        return interval(state);
    }
    return {state.params[s].parmin, state.params[s].parmax};
}

// Bar position 1000 is the upper bound itself; the formula alone can miss it by one ulp.
double barValue(const ParamEntry& p, int pos) {
    if (pos >= 1000) {
        return p.parmax;
    }
    const double span = p.parmax - p.parmin;
    const double scaled = span * pos;
    // Spans near the largest number overflow when multiplied first.
    const double offset = std::isfinite(scaled) ? scaled / 1000 : span / 1000 * pos;
    // Added as decimals: bounds -10 and 10 give 0,8 at 540, not 0,800000000000001.
    return decimalSum(offset, p.parmin);
}

int barPosition(double v, double lo, double hi) {
    const double pos = (v - lo) * 1000 / (hi - lo);
    if (!(pos >= 0)) {
        return 0;
    }
    if (pos > 1000) {
        return 1000;
    }
    return static_cast<int>(roundEven(pos));
}

// Whole number of samples; kept within what the drawing can take, so that a count can never
// overflow its 16 bits or leave a graph without intervals.
double wholeCount(double v) {
    const double n = std::trunc(std::fabs(v));
    if (!(n >= kFewestSamples)) {
        return kFewestSamples;
    }
    return n > kMostSamples ? kMostSamples : n;
}

// The value, its engine variable and, for the lower bounds, the bound of the term slot.
void storeValue(PlotState& state, int s, double v) {
    storeParamValue(state, s, v);
    if (isBoundSlot(s)) {
        lowerBound(state, s) = v;
    }
}

void storeCount(PlotState& state, int s, double v) {
    countIntervals(state, s) = static_cast<int16_t>(v - 1);
    state.params[s].window.valueText = formatParamValue(v);
    // The line options show the same count.
    state.optionBoxes.line.counts[s - kFirstCountParam] = formatParamValue(v);
    storeParamValue(state, s, v);
    setsteps(state);
}

bool boundInInterval(ProgramContext& ctx, int s, double v) {
    const Status allowed = allowedValue(ctx.state, s, v);
    if (!allowed.ok()) {
        ctx.ui.message(allowed.reason(), "Ungültige Integrationsgrenze:", MessageIcon::Critical);
    }
    return allowed.ok();
}

// Says why typed bounds are refused; true when they can be taken.
bool boundsAccepted(ProgramContext& ctx, int s, bool numbers, double lower, double upper) {
    if (!numbers) {
        numberMessage(ctx);
        return false;
    }
    if (lower >= upper) {
        ctx.ui.message("Untere Grenze muss kleiner sein als obere Grenze!",
                       "Ungültige Parametergrenzen von " + ctx.state.params[s].parname + ":",
                       MessageIcon::Critical);
        return false;
    }
    if (isCountSlot(s) && (lower < kFewestSamples || upper > kMostSamples)) {
        ctx.ui.message(kCountRangeText, kBadInputTitle, MessageIcon::Critical);
        return false;
    }
    return true;
}

void showValue(ProgramContext& ctx, int s, std::string text) {
    ctx.state.params[s].window.valueText = std::move(text);
    ctx.ui.changed(Change::Parameters);
}

} // namespace

Status allowedValue(const PlotState& state, int s, double v) {
    const auto [lo, hi] = interval(state);
    if (!isBoundSlot(s) || (lo <= v && v <= hi)) {
        return {};
    }
    return fail("Die untere Integrationsgrenze muss im vorgegebenen Intervall [" +
                formatParamValue(lo) + " ; " + formatParamValue(hi) + " ] liegen!");
}

bool validNumber(const ProgramContext& ctx, double v) {
    return ctx.state.engine.ucGetError() == 0 && std::isfinite(v);
}

void numberMessage(ProgramContext& ctx) {
    ctx.ui.message("Die Eingabe ist keine gültige Zahl!", kBadInputTitle, MessageIcon::Critical);
}

void scrollPara(ProgramContext& ctx, int s, int pos) {
    const StepScope userStep(ctx, UserStep::ParamValue);
    ctx.state.params[s].window.barpos = pos < 0 ? 0 : (pos > 1000 ? 1000 : pos);
    changepar(ctx, s);
}

void changepar(ProgramContext& ctx, int s) {
    PlotState& state = ctx.state;
    ParamEntry& p = state.params[s];
    ParamWindow& w = p.window;
    double v = p.parvalue;
    if (!w.setting) {
        v = barValue(p, w.barpos);
        w.valueText = formatParamValue(v);
    }
    storeValue(state, s, v);
    if (isCountSlot(s)) {
        storeCount(state, s, wholeCount(v));
    }
    redrawAndCalc(ctx);
    ctx.ui.changed(Change::Parameters);
}

bool setpar(ProgramContext& ctx, int s, double& v) {
    PlotState& state = ctx.state;
    ParamWindow& w = state.params[s].window;
    if (!boundInInterval(ctx, s, v)) {
        return false;
    }
    // The bar's change event below must keep v rather than read the rounded position.
    w.setting = true;
    if (isCountSlot(s)) {
        v = wholeCount(v);
        storeCount(state, s, v);
    }
    const auto [lo, hi] = barRange(state, s);
    const int pos = barPosition(v, lo, hi);
    storeValue(state, s, v);
    if (pos != w.barpos) {
        w.barpos = pos;
        changepar(ctx, s);
    } else {
        redrawAndCalc(ctx);
    }
    w.setting = false;
    showValue(ctx, s, formatParamValue(v));
    return true;
}

void setparb(ProgramContext& ctx, int s, double lower, double upper) {
    PlotState& state = ctx.state;
    ParamEntry& p = state.params[s];
    // Without a finite distance the bar has no scale: every position would give infinity.
    if (!std::isfinite(upper - lower)) {
        ctx.ui.message(kSpanText, kBadInputTitle, MessageIcon::Critical);
        lower = p.parmin;
        upper = p.parmax;
    }
    p.window.lowerText = fmtnum(lower, state.grid.fmtx);
    p.window.upperText = fmtnum(upper, state.grid.fmtx);
    p.parmin = lower;
    p.parmax = upper;
    double v = p.parvalue;
    setpar(ctx, s, v);
    ctx.ui.changed(Change::Parameters);
}

void chpari(ProgramContext& ctx, int s, std::string_view lowerText, std::string_view upperText) {
    const StepScope userStep(ctx, UserStep::ParamBounds);
    if (isBoundSlot(s)) {
        return; // locked boxes: the interval gives these bounds
    }
    const ParamEntry& p = ctx.state.params[s];
    ExprEngine& engine = ctx.state.engine;
    const double lower = evaltext(engine, lowerText);
    const bool lowerValid = validNumber(ctx, lower);
    const double upper = evaltext(engine, upperText);
    if (!boundsAccepted(ctx, s, lowerValid && validNumber(ctx, upper), lower, upper)) {
        setparb(ctx, s, p.parmin, p.parmax);
        return;
    }
    setparb(ctx, s, lower, upper);
}

void enterValue(ProgramContext& ctx, int s, std::string_view text) {
    const StepScope userStep(ctx, UserStep::ParamValue);
    const ParamEntry& p = ctx.state.params[s];
    double v = evaltext(ctx.state.engine, text);
    if (!validNumber(ctx, v)) {
        numberMessage(ctx);
        showValue(ctx, s, formatParamValue(p.parvalue));
        return;
    }
    const double count = std::trunc(std::fabs(v));
    if (isCountSlot(s) && (count < kFewestSamples || count > kMostSamples)) {
        ctx.ui.message(kCountRangeText, kBadInputTitle, MessageIcon::Critical);
        showValue(ctx, s, formatParamValue(p.parvalue));
        return;
    }
    if (!setpar(ctx, s, v)) {
        showValue(ctx, s, std::string(text));
    }
}

} // namespace vestrano
