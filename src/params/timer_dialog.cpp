#include "params/timer_dialog.h"

#include <cmath>

#include "params/param_arithmetic.h"
#include "params/param_table.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/evaltext.h"

namespace vestrano {

TimerDialog openTimerDialog(const PlotState& state, int s) {
    const ParamEntry& p = state.params[s];
    TimerDialog d;
    d.slot = s;
    // A mode read from a collection may be anything; the list only knows these two.
    d.modeIndex = p.parmode == 1 ? 1 : 0;
    d.stepText = formatParamValue(p.parstep);
    d.caption = "Timer für " + paramName(state, s);
    d.left = p.window.left + p.window.width;
    d.top = p.window.top;
    return d;
}

bool timerDialogOk(ProgramContext& ctx, const TimerDialog& dialog, std::string_view stepText,
                   int modeIndex) {
    const StepScope userStep(ctx, UserStep::TimerSettings);
    ParamEntry& p = ctx.state.params[dialog.slot];
    const double step = evaltext(ctx.state.engine, stepText);
    if (!validNumber(ctx, step)) {
        numberMessage(ctx);
        return false;
    }
    if (std::fabs(step) > p.parmax - p.parmin) {
        ctx.ui.message("Schrittweite ist größer als das Intervall!", "Inakzeptable Schrittweite",
                       MessageIcon::Critical);
        return false;
    }
    p.parmode = modeIndex == 1 ? 1 : 0;
    p.parstep = step;
    ctx.ui.changed(Change::Parameters);
    return true;
}

} // namespace vestrano
