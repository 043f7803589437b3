#include "app/mode_switch.h"

#include "app/intervals.h"
#include "app/lines_window.h"
#include "app/term_input.h"
#include "collection/collection_file.h"
#include "collection/entry_editing.h"
#include "lines/line_list.h"
#include "lines/point_list.h"
#include "params/param_table.h"
#include "plot/scale.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/subst.h"
#include "terms/termconv.h"

namespace vestrano {

namespace {

struct NamedText {
    SlotText text;
    int slot;
};
// The names a term may call: "f(x)" .. "h(x)", "f'(", "g'(", "F(x)".
constexpr std::array<NamedText, 6> kCallableNames{{{SlotText::Function, 0},
                                                   {SlotText::Function, 1},
                                                   {SlotText::Function, 2},
                                                   {SlotText::DerivativePrefix, 0},
                                                   {SlotText::DerivativePrefix, 1},
                                                   {SlotText::Integral, 0}}};

// "f(x)" and "x(t)" become "f(" and "x(", so that any argument follows.
std::string callPrefix(const std::string& name, bool shorten) {
    return shorten ? name.substr(0, name.size() - 2) : name;
}

void freeNewVariable(PlotState& state) {
    const std::string& variable = slotName(state.mode, SlotText::Variable);
    for (int s = kFirstCountParam; s < kParamCount; ++s) {
        const ParamEntry& p = state.params[s];
        if (p.parhandle >= 0 && p.parname == variable) {
            releaseParam(state, s);
        }
    }
}

// The line dialog's column heads name the new mode's slots; x counts belong to function mode,
// t counts to curve mode.
void lineDialogForMode(PlotState& state) {
    LineOptionBoxes& boxes = state.optionBoxes.line;
    for (int j = 0; j < kSlotCount; ++j) {
        boxes.heads[j] = "von " + slotName(state.mode, SlotText::ShortName, j);
        boxes.countEnabled[j] = state.mode == 0;
    }
    boxes.countEnabled[3] = state.mode == 1;
    boxes.countEnabled[4] = state.mode == 1;
}

} // namespace

std::string translateTerm(std::string_view text, int oldmode, int newmode) {
    const std::string& newVariable = slotName(newmode, SlotText::Variable);
    std::string t = logicswap(text, 1);
    t = subst(t, newVariable, newVariable + "0", 3);
    t = subst(t, slotName(oldmode, SlotText::Variable), newVariable, 3);
    for (const NamedText& name : kCallableNames) {
        const std::string& oldName = slotName(oldmode, name.text, name.slot);
        const std::string& newName = slotName(newmode, name.text, name.slot);
        const bool shorten = oldName.ends_with(')');
        t = subst(t, callPrefix(oldName, shorten), callPrefix(newName, shorten), 1);
    }
    return logicswap(t, 2);
}

void togglefork(ProgramContext& ctx, int newmode) {
    PlotState& state = ctx.state;
    const int oldmode = state.mode;
    state.mode = static_cast<int16_t>(newmode);
    state.additional.linestext.clear();
    // The new mode's lines, and the text the interpretation scans for their parameters.
    text2list(state);
    rebuildLinesText(state, ctx.ui);
    freeNewVariable(state);
    // Translating into the same mode would append "0" to every variable.
    if (oldmode != newmode) {
        for (TermSlot& slot : state.slots) {
            slot.text = translateTerm(slot.text, oldmode, newmode);
        }
        makeliste(state, translateTerm(getliste(state), oldmode, newmode), ctx.ui);
    }
    ctx.ui.changed(Change::Lines);
    ctx.ui.changed(Change::Points);
    lineDialogForMode(state);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Terms);
    collectionForMode(state);
    ctx.ui.changed(Change::Collection);
    intervalsForMode(state);
    setBoundLabels(state);
    ctx.ui.changed(Change::Parameters);
    updatestamm(ctx);
    setscale(state);
    if (!state.files.tmpfile.empty()) {
        // A working copy that cannot be read is told there; the mode switches all the same.
        ignoreResult(colload(ctx, state.files.tmpfile, true));
    }
    findandget(ctx, false);
}

void chooseMode(ProgramContext& ctx, int newmode) {
    const StepScope userStep(ctx, UserStep::Mode);
    if (ctx.state.mode == newmode) {
        return;
    }
    togglefork(ctx, newmode);
    ctx.ui.changed(Change::Menu);
}

} // namespace vestrano
