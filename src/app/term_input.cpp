#include "app/term_input.h"

#include <algorithm>

#include "app/interpretall.h"
#include "collection/entry_editing.h"
#include "params/param_table.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/evaltext.h"
#include "terms/subst.h"

namespace vestrano {

namespace {

std::string withoutBlanks(std::string_view text) {
    std::string result(text);
    std::erase(result, ' ');
    return result;
}

} // namespace

// The interpretation has already arranged the parameter windows and refreshed their list.
void findandget(ProgramContext& ctx, bool noredraw) {
    interpretall(ctx);
    if (!noredraw) {
        redrawGraph(ctx);
    }
}

void findandgetpre(ProgramContext& ctx, bool noredraw) {
    const StepScope userStep(ctx, UserStep::TakeOver);
    findandget(ctx, noredraw);
    followTakeOver(ctx, EntryField::Terms);
}

void showSlot(ProgramContext& ctx, int i, bool visible) {
    const StepScope userStep(ctx, UserStep::SlotVisibility);
    ctx.state.slots[i].visible = visible;
    ctx.ui.changed(Change::Terms);
    redrawGraph(ctx);
}

std::string entpara(PlotState& state, std::string_view text) {
    std::string result(text);
    ExprEngine& engine = state.engine;
    for (int s = 0; s < kParamCount; ++s) {
        const ParamEntry& p = state.params[s];
        if (p.parhandle < 0 || p.parname.empty()) {
            continue;
        }
        const double value = evaltext(engine, p.parname);
        // A name the engine cannot read has no value to put in.
        if (engine.ucGetError() != 0) {
            engine.ucEval(std::nullopt);
            continue;
        }
        const std::string number = formatParamValue(value);
        result = subst(result, p.parname, value < 0 ? "(" + number + ")" : number, 3);
    }
    return result;
}

void paracopy(PlotState& state, Ui& ui, bool withparams) {
    std::string text;
    for (int k = 0; k < kSlotCount; ++k) {
        const std::string t = withoutBlanks(state.slots[k].text);
        if (t.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += "\r\n";
        }
        text += slotName(state.mode, SlotText::Function, k) + "=" +
                (withparams ? entpara(state, t) : t);
    }
    ui.setClipboardText(text);
}

} // namespace vestrano
