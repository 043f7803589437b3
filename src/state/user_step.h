#pragma once

#include "state/program_context.h"

namespace vestrano {

// What the user does to the plot, as one step that can be undone. The menu's captions are
// given to them above, where the history lives.
enum class UserStep {
    Unnamed,        // named by the first step begun inside it: a mouse press, a bar drag
    TakeOver,       // a term window's input taken over
    SlotVisibility, // a slot's check box
    ParamValue,
    ParamBounds,
    TimerSettings,
    TimerRun,
    Coupling, // a parameter set by the mouse
    Zoom,
    Pan,
    Aspect, // "Verhältnis x:y"
    Intervals,
    Lines,
    Points,
    AngleUnit,
    Mode,
    Entry, // a collection entry applied
};

// How a step reaches the history: it begins, it ends, or a run goes on (a timer run lasts
// until the next step begins).
enum class StepEdge { Begin, End, Run };

inline void beginStep(ProgramContext& ctx, UserStep step) {
    if (ctx.hooks.step) {
        ctx.hooks.step(ctx, step, StepEdge::Begin);
    }
}
inline void endStep(ProgramContext& ctx) {
    if (ctx.hooks.step) {
        ctx.hooks.step(ctx, UserStep::Unnamed, StepEdge::End);
    }
}
inline void continueRun(ProgramContext& ctx, UserStep step) {
    if (ctx.hooks.step) {
        ctx.hooks.step(ctx, step, StepEdge::Run);
    }
}

// One user step from here to the end of the scope; a step begun inside it belongs to it.
class StepScope {
  public:
    StepScope(ProgramContext& ctx, UserStep step) : ctx_(ctx) { beginStep(ctx, step); }
    ~StepScope() { endStep(ctx_); }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

  private:
    ProgramContext& ctx_;
};

} // namespace vestrano
