#include "params/animation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "params/decimal_grid.h"
#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "state/busy_scope.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"

namespace vestrano {

namespace {

constexpr int kReverse = 1;

void timerschanged(PlotState& state, Ui& ui) {
    state.timerEnabled = !state.timerlist.empty();
    ui.changed(Change::Parameters);
    ui.changed(Change::Menu);
}

// The value after one step: at a bound the value wraps to the other bound (the overshoot is
// dropped) or the step turns round before the bound would be crossed. The bounds are weighed
// against the sum on its decimal grid, so that 0.2 + 0.1 reaches an upper bound of 0.3.
double nextValue(ParamEntry& p) {
    double v = p.parvalue;
    double d = p.parstep;
    if (gridSum(v, d) > p.parmax) {
        if (p.parmode == kReverse) {
            d = -std::fabs(d);
            p.parstep = d;
        } else {
            v = p.parmin;
            d = 0;
        }
    }
    if (gridSum(v, d) < p.parmin) {
        if (p.parmode == kReverse) {
            d = std::fabs(d);
            p.parstep = d;
        } else {
            v = p.parmax;
            d = 0;
        }
    }
    return gridSum(v, d);
}

// Every slot in use that has a step runs, in slot order.
void startStepped(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    for (int s = 0; s < kParamCount; ++s) {
        if (state.params[s].parstep == 0 || !slotInUse(state, s)) {
            continue;
        }
        state.timerlist += static_cast<char>(s);
        // A closed window comes back, so that nothing runs out of sight.
        if (!state.params[s].window.loaded) {
            showParamWindow(ctx, s);
        }
    }
}

} // namespace

const char* timerGoCaption(const PlotState& state) {
    return state.timerEnabled ? "Alle &Timer anhalten" : "Alle &Timer gleichzeitig starten";
}

bool timerRunning(const PlotState& state, int s) {
    return state.timerlist.find(static_cast<char>(s)) != std::string::npos;
}

void toggleTimer(PlotState& state, Ui& ui, int s) {
    if (timerRunning(state, s)) {
        std::erase(state.timerlist, static_cast<char>(s));
    } else {
        state.timerlist += static_cast<char>(s);
    }
    timerschanged(state, ui);
}

void stopTimer(PlotState& state, int s) {
    std::erase(state.timerlist, static_cast<char>(s));
    state.timerEnabled = !state.timerlist.empty();
}

bool timerClick(PlotState& state, Ui& ui, int s, int buttons) {
    const bool stepSet = state.params[s].parstep != 0;
    const bool left = (buttons & 1) != 0;
    if (stepSet && left) {
        toggleTimer(state, ui, s);
    }
    return (buttons & 2) != 0 || (!stepSet && left);
}

void timerGo(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const bool starting = !state.timerEnabled;
    state.timerEnabled = false;
    state.timerlist.clear();
    if (starting) {
        startStepped(ctx);
    }
    timerschanged(state, ctx.ui);
}

void tick(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    if (state.timerlist.empty()) {
        timerschanged(state, ctx.ui);
        return;
    }
    if (state.ticking) {
        return;
    }
    state.ticking = true;
    struct Done {
        bool& ticking;
        ~Done() { ticking = false; }
    } done{state.ticking};
    continueRun(ctx, UserStep::TimerRun);
    BusyScope batch(state);
    const std::string running = state.timerlist;
    for (const char c : running) {
        const int s = static_cast<unsigned char>(c);
        double v = nextValue(state.params[s]);
        // A lower bound the interval refuses stops, instead of repeating its message on
        // every tick.
        if (!setpar(ctx, s, v)) {
            stopTimer(state, s);
            ctx.ui.changed(Change::Menu);
        }
    }
    batch.end();
    redrawGraph(ctx);
}

} // namespace vestrano
