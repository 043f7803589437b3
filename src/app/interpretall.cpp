#include "app/interpretall.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/window_arrangement.h"
#include "engine/errtext.h"
#include "engine/plain_text.h"
#include "params/param_list.h"
#include "params/param_table.h"
#include "params/recalculation.h"
#include "plot/scale.h"
#include "state/busy_scope.h"
#include "state/once_ui.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "terms/engine_setup.h"
#include "terms/slot_check.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {

constexpr int kEvalReleaseCount = 3;

// The bookkeeping of one run: parameters seen before, free slots, names found.
struct Discovery {
    std::vector<std::pair<std::string, int>> old;       // name, slot
    std::vector<int> free;                              // ascending
    std::vector<std::pair<std::string, int32_t>> fresh; // name, engine handle
    std::vector<std::string> found;
    std::string message;
};

void appendMessage(std::string& message, const std::string& entry) {
    if (!message.empty()) {
        message += "; ";
    }
    message += entry;
}

Discovery startDiscovery(PlotState& state) {
    Discovery d;
    for (int s = kFirstFreeParam; s < kParamCount; ++s) {
        if (state.params[s].parhandle >= 0) {
            d.old.emplace_back(state.params[s].parname, s);
        }
        d.free.push_back(s);
    }
    for (ParamEntry& p : state.params) {
        p.parstep = 0;
        p.parmode = 0;
    }
    return d;
}

void takeName(ProgramContext& ctx, Discovery& d, const std::string& name, int32_t handle) {
    PlotState& state = ctx.state;
    const auto it = std::find_if(d.old.begin(), d.old.end(),
                                 [&](const auto& entry) { return entry.first == name; });
    if (it == d.old.end()) {
        d.fresh.emplace_back(name, handle);
        return;
    }
    const int s = it->second;
    d.old.erase(it);
    std::erase(d.free, s);
    state.params[s].parhandle = handle;
    init(ctx, s);
}

// Evaluates `text` until the engine knows every name in it; returns the last error code.
int findParameters(ProgramContext& ctx, Discovery& d, const std::string& text) {
    PlotState& state = ctx.state;
    ExprEngine& engine = state.engine;
    for (;;) {
        defslots(state, "1", "1", "1");
        engine.ucEval(text);
        engine.ucReleaseExpr(kEvalReleaseCount);
        const int code = engine.ucGetError();
        if (code != number(ErrorCode::UndefinedVariable)) {
            return code;
        }
        const std::string name = lowerName(engine.ucGetErrorData());
        engine.ucEval(std::nullopt);
        // A name the engine keeps reporting would loop forever.
        if (std::find(d.found.begin(), d.found.end(), name) != d.found.end()) {
            return code;
        }
        d.found.push_back(name);
        const int32_t handle = defvar(engine, name);
        if (handle < 0) {
            return code;
        }
        takeName(ctx, d, name, handle);
    }
}

// An error in the text itself. A factorial overflows only for some values, like a division by
// zero, so it would make the status depend on the parameter values of the moment.
bool isFixedTextError(int code) {
    return isTextError(code) && code != number(ErrorCode::FactorialOverflow);
}

void scanTexts(ProgramContext& ctx, Discovery& d) {
    PlotState& state = ctx.state;
    for (int k = 0; k <= kSlotCount; ++k) {
        const bool isSlot = k < kSlotCount;
        const std::string text = isSlot ? state.slots[k].engtext : combinedText(state);
        if (trimmed(text).empty()) {
            continue;
        }
        const int code = findParameters(ctx, d, text);
        if (isFixedTextError(code) && d.message.empty()) {
            const std::string label =
                isSlot ? slotName(state.mode, SlotText::Function, k) : "Geradenfenster";
            d.message = label + ": " + errtext(state.engine, -1);
        }
        state.engine.ucEval(std::nullopt);
    }
}

bool assignNewParameters(ProgramContext& ctx, Discovery& d) {
    PlotState& state = ctx.state;
    for (const auto& [name, handle] : d.fresh) {
        if (d.free.empty()) {
            return false;
        }
        const int s = d.free.front();
        d.free.erase(d.free.begin());
        ParamEntry& p = state.params[s];
        p.parname = name;
        p.parhandle = handle;
        const bool density = name == "dichte";
        p.parmin = density ? 25 : -10;
        p.parmax = density ? 1025 : 10;
        p.parvalue = density ? 25 : 1;
        init(ctx, s);
        showParamWindow(ctx, s);
    }
    return true;
}

void setStatus(PlotState& state, const std::string& message) {
    state.status.text = message.empty() ? "Ok." : message;
    state.status.color = message.empty() ? kButtonFaceColor : kErrorColor;
}

// Everything the messages of one run depend on: a changed text shows them again.
std::string messageCause(const PlotState& state) {
    std::string cause = std::to_string(state.mode);
    for (const TermSlot& slot : state.slots) {
        cause += '\x1f' + slot.text;
    }
    for (const std::string* text :
         {&state.additional.linestext, &state.additional.pointstext, &state.intervaltext}) {
        cause += '\x1f' + *text;
    }
    return cause;
}

bool hasEntry(const std::string& message, const std::string& entry) {
    std::size_t from = 0;
    while (from <= message.size()) {
        const std::size_t end = std::min(message.find("; ", from), message.size());
        if (message.compare(from, end - from, entry) == 0) {
            return true;
        }
        from = end + 2;
    }
    return false;
}

// The list and the windows follow the parameters just found.
void refreshParamWindows(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    if (state.menu.spal && ctx.hooks.nameWidth) {
        refpar(state, paramFrame(state), ctx.hooks.nameWidth);
    }
    if (state.menu.pardock) {
        arrangepara(state, paramFrame(state));
    }
}

void refuseTooManyParameters(PlotState& state, Ui& ui) {
    ui.message("Fehler: mehr als 28 Parameter!", "Vestrano", MessageIcon::Critical);
    // Leaving the placeholder slot functions would draw every term as the constant 1.
    for (TermSlot& slot : state.slots) {
        slot.engtext.clear();
    }
    defslotsordered(state, "", "", "");
    setStatus(state, "Fehler: mehr als 28 Parameter!");
    ui.changed(Change::Parameters);
    ui.changed(Change::Status);
}

// The slot functions in dependency order; their errors replace the others. A slot that cannot
// be expanded is reported unless its error is already in the message.
std::string defineSlotFunctions(PlotState& state, const std::string& message) {
    const std::string r = defslotsordered(state, state.slots[0].engtext, state.slots[1].engtext,
                                          state.slots[2].engtext);
    std::string status = r.empty() ? message : r;
    for (const std::string& entry : checkSlotFunctions(state)) {
        if (hasEntry(status, entry)) {
            continue;
        }
        status += (status.empty() || status.ends_with("; ") ? "" : "; ") + entry;
    }
    return status;
}

} // namespace

bool interpretall(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    OnceUi ui(ctx.ui, state.inputMessages, messageCause(state));
    state.timerlist.clear();
    state.timerEnabled = false;
    // No picture is drawn here: the caller redraws once the terms are read.
    BusyScope batch(state);
    setupEngine(state);

    // The parameters found take their values one by one; the calculator follows at the end.
    ProgramContext params{.state = state, .ui = ui, .hooks = ctx.hooks, .calculatorFollows = false};
    std::string message;
    for (int k = 0; k < kSlotCount; ++k) {
        state.slots[k].taken = state.slots[k].text;
        const std::string e = checkslot(state, ui, k);
        if (!e.empty()) {
            state.slots[k].engtext.clear();
            appendMessage(message, slotName(state.mode, SlotText::Function, k) + ": " + e);
        }
        integralmark(params, k);
    }
    Discovery found = startDiscovery(state);
    found.message = message;
    scanTexts(params, found);
    for (const auto& [name, slot] : found.old) {
        releaseParam(state, slot);
    }
    if (!assignNewParameters(params, found)) {
        refuseTooManyParameters(state, ui);
        return false;
    }
    refreshParamWindows(ctx);
    ui.changed(Change::Parameters);
    batch.end();
    setStatus(state, defineSlotFunctions(state, found.message));
    ui.changed(Change::Status);
    setscale(state);
    docalc(state, ui);
    return true;
}

void integralmark(ProgramContext& ctx, int k) {
    const bool uses = markIntegral(ctx.state, ctx.ui, k);
    if (!ctx.state.menu.autoint) {
        return;
    }
    if (uses) {
        showParamWindow(ctx, k);
    } else {
        hideParamWindow(ctx.state, k);
    }
}

bool interpretall(PlotState& state, Ui& ui) {
    ProgramContext ctx{state, ui};
    return interpretall(ctx);
}

} // namespace vestrano
