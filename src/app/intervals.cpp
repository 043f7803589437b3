#include "app/intervals.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "app/interpretall.h"
#include "app/interval_design.h"
#include "collection/entry_editing.h"
#include "engine/engine_error.h"
#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "plot/scale.h"
#include "plot/view_ranges.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/evaltext.h"
#include "terms/termconv.h"

namespace vestrano {

namespace {

const char* const kBadInputTitle = "Fehlerhafte Eingabe";
constexpr std::array<double, 3> kPresetLower{-5, -5, 0};
constexpr std::array<double, 3> kPresetUpper{5, 5, 10};

void badRow(ProgramContext& ctx, const std::string& text, const char* title) {
    ctx.ui.message(text, title, MessageIcon::Critical);
}

void storeRange(PlotState& state, int i, double lo, double hi) {
    Viewport& v = state.view;
    std::array<double*, 3> lower{&v.xmin, &v.ymin, &v.tmin};
    std::array<double*, 3> upper{&v.xmax, &v.ymax, &v.tmax};
    *lower[i] = lo;
    *upper[i] = hi;
}

// A bound the parameter search can use: empty, or one that parses (unknown names are the
// parameters it looks for).
bool readable(ExprEngine& engine, const std::string& term) {
    engine.ucEval(term);
    const int error = engine.ucGetError();
    engine.ucEval(std::nullopt);
    return !isTextError(error) || error == number(ErrorCode::UndefinedVariable);
}

} // namespace

void updateall(ProgramContext& ctx) {
    showRanges(ctx.state, kFollowX | kFollowY | kFollowT);
    updatestamm(ctx);
}

bool vonenter(ProgramContext& ctx, int i) {
    PlotState& state = ctx.state;
    const std::string name = kInterRowNames[i];
    const std::optional<double> lo =
        evalnumber(state.engine, state.intervals.von[i], Finite::Required, OnFailure::ClearError);
    if (!lo) {
        badRow(ctx, "Unverständliche Eingabe für die untere Grenze vom " + name + "!",
               kBadInputTitle);
        return false;
    }
    const std::optional<double> hi =
        evalnumber(state.engine, state.intervals.bis[i], Finite::Required, OnFailure::ClearError);
    if (!hi) {
        badRow(ctx, "Unverständliche Eingabe für die obere Grenze vom " + name + "!",
               kBadInputTitle);
        return false;
    }
    if (*lo >= *hi) {
        badRow(ctx, "Beim " + name + " muss die untere Grenze kleiner als die obere Grenze sein!",
               "Falsche Reihenfolge");
        return false;
    }
    // A range wider than the largest number has no scale to draw with.
    if (!std::isfinite(*hi - *lo)) {
        badRow(ctx, "Beim " + name + " ist der Abstand der Grenzen zu groß!", kBadInputTitle);
        return false;
    }
    storeRange(state, i, *lo, *hi);
    setscale(state);
    if (i != 1) {
        updatestamm(ctx);
    }
    return true;
}

void vonbis(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    for (int i = 0; i < 3; ++i) {
        vonenter(ctx, i);
    }
    const bool hadRestrictions = !state.intervaltext.empty();
    state.intervaltext = makedtxt(state, ctx.ui);
    // Parameters of a restriction that was cleared go as well.
    if (hadRestrictions || !state.intervaltext.empty()) {
        interpretall(ctx);
    }
    redrawGraph(ctx);
}

void takeOverIntervals(ProgramContext& ctx) {
    const StepScope userStep(ctx, UserStep::Intervals);
    vonbis(ctx);
    followTakeOver(ctx, EntryField::Intervals);
}

std::string makedtxt(PlotState& state, Ui& ui) {
    std::string text;
    for (int row = kFirstRestrictionRow; row < kIntervalRows; ++row) {
        state.intervals.vonTaken[row] = state.intervals.von[row];
        state.intervals.bisTaken[row] = state.intervals.bis[row];
        for (const std::string* box : {&state.intervals.von[row], &state.intervals.bis[row]}) {
            const std::string term = termconv(*box, state.mode, ui);
            if (term.empty() || !readable(state.engine, term)) {
                continue;
            }
            // Side by side, "(a)(b)" would be a syntax error that hides every name in it.
            text += text.empty() ? "(" : "+(";
            text += term;
            text += ')';
        }
    }
    return text;
}

void updatestamm(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const Viewport& v = state.view;
    const bool functions = state.mode == 0;
    const double lo = functions ? v.xmin : v.tmin;
    const double hi = functions ? v.xmax : v.tmax;
    const double span = functions ? v.xspan : v.tspan;
    // Half the span first: the sum of the bounds may overflow where their middle does not.
    const double middle = std::isfinite(span) ? lo + span / 2 : lo / 2 + hi / 2;
    const BusyScope batch(state);
    for (int i = 0; i < kSlotCount; ++i) {
        double& b = lowerBound(state, i);
        if (!(lo <= b && b <= hi)) {
            b = middle;
        }
        storeParamValue(state, i, b);
        setparb(ctx, i, lo, hi);
    }
}

void presetRow(ProgramContext& ctx, int i) {
    const StepScope userStep(ctx, UserStep::Intervals);
    showRow(ctx.state, i, formatParamValue(kPresetLower[i]), formatParamValue(kPresetUpper[i]));
    vonbis(ctx);
}

void showIntervals(ProgramContext& ctx) {
    updateall(ctx);
    ctx.state.intervals.frame.visible = true;
    ctx.ui.changed(Change::Layout);
}

IntervalLayout intervalLayout(int mode) {
    IntervalLayout layout;
    layout.tRow = mode == 1;
    layout.restrictions = mode == 0;
    layout.buttonTop = mode == 0 ? kInterButtonTopFunctions : kInterButtonTopCurves;
    layout.clientHeight = layout.buttonTop + kInterButtonHeight + kInterBottomMargin;
    return layout;
}

void intervalsForMode(PlotState& state) {
    ++state.intervals.revision;
}

} // namespace vestrano
