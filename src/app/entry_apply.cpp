#include "app/entry_apply.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "app/interpretall.h"
#include "app/intervals.h"
#include "app/lines_window.h"
#include "collection/entry_lines.h"
#include "lines/point_list.h"
#include "params/param_arithmetic.h"
#include "plot/resources.h"
#include "state/busy_scope.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/result.h"
#include "state/ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

// Why a line of a box cannot be applied.
constexpr const char* kBadLine = "Ungültige Zeile!";
constexpr const char* kBadInterval = "Ungültige Intervallangabe!";
constexpr const char* kWrongOrder = "Untere Grenze muss kleiner als obere Grenze sein!";
constexpr const char* kSyntax = "Syntax-Fehler!";

constexpr std::array<const char*, 6> kBoxNames{
    "", "Funktionsterme", "Parameter", "Parameter-Grenzen", "Intervalle", "Stammfunktionsgrenzen"};

std::string keyOf(const PlotState& state, int part, int n) {
    if (part == kTermsBox) {
        return slotName(state.mode, 3 + n) + "=";
    }
    return collectionKey((part == kIntervalsBox ? 8 : 14) + n);
}

// The offset of the key the line begins with within the box's key range, or -1.
int findKey(const PlotState& state, int part, std::string_view line) {
    const int count = part == kIntervalsBox ? 6 : 3;
    for (int n = 0; n < count; ++n) {
        if (line.starts_with(keyOf(state, part, n))) {
            return n;
        }
    }
    return -1;
}

std::optional<double> number(ExprEngine& engine, std::string_view text) {
    const double v = evaltext(engine, text);
    if (engine.ucGetError() != 0) {
        engine.ucEval(std::nullopt);
        return std::nullopt;
    }
    return v;
}

Status termLine(ProgramContext& ctx, int n, std::string value) {
    TermSlot& slot = ctx.state.slots[n];
    slot.visible = value.find("(aus)") == std::string::npos;
    for (size_t p = value.find("(aus)"); p != std::string::npos; p = value.find("(aus)")) {
        value.erase(p, 5);
    }
    value.erase(value.find_last_not_of(' ') + 1);
    slot.text = value;
    ctx.ui.changed(Change::Terms);
    return {};
}

Status setValue(ProgramContext& ctx, int slot, std::string_view text) {
    std::optional<double> v = number(ctx.state.engine, text);
    if (!v) {
        return fail(kSyntax);
    }
    setpar(ctx, slot, *v);
    return {};
}

Status timerPart(PlotState& state, int slot, std::string_view line) {
    const size_t open = line.find('(');
    const size_t close = open == std::string_view::npos ? open : line.find(')', open);
    if (close == std::string_view::npos) {
        return {};
    }
    std::string timer(line.substr(open + 1, close - open - 1));
    std::erase(timer, ' ');
    ParamEntry& p = state.params[slot];
    p.parmode = timer.starts_with('h') ? 1 : 0;
    const std::optional<double> step =
        number(state.engine, timer.empty() ? std::string() : timer.substr(1));
    if (!step) {
        return fail(kSyntax);
    }
    p.parstep = *step;
    return {};
}

Status paramLine(ProgramContext& ctx, std::string_view line) {
    const size_t eq = line.find('=');
    const int slot = paramindex(ctx.state, trimmed(line.substr(0, eq)));
    if (slot < 0 || eq == std::string_view::npos) {
        return slot < 0 ? Status() : fail(kSyntax);
    }
    const std::string_view rest = line.substr(eq + 1);
    if (Status set = setValue(ctx, slot, trimmed(rest.substr(0, rest.find('(')))); !set.ok()) {
        return set;
    }
    return timerPart(ctx.state, slot, rest);
}

struct Range {
    std::string name, lower, upper;
};

std::optional<Range> splitRange(std::string_view line) {
    const size_t open = line.find('[');
    const size_t semi = open == std::string_view::npos ? open : line.find(';', open);
    const size_t close = semi == std::string_view::npos ? semi : line.find(']', semi);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Range{trimmed(line.substr(0, open)), std::string(line.substr(open + 1, semi - open - 1)),
                 std::string(line.substr(semi + 1, close - semi - 1))};
}

Status rangeLine(ProgramContext& ctx, int part, int n, std::string_view line) {
    const std::optional<Range> range = splitRange(line);
    if (!range) {
        return fail(kBadInterval);
    }
    IntervalWindow& w = ctx.state.intervals;
    if (part == kIntervalsBox && n >= kFirstRestrictionRow) {
        w.von[n] = range->lower;
        w.bis[n] = range->upper;
        ++w.revision;
        return {};
    }
    const std::optional<double> lower = number(ctx.state.engine, range->lower);
    const std::optional<double> upper = number(ctx.state.engine, range->upper);
    if (!lower || !upper) {
        return fail(kSyntax);
    }
    if (!(*lower < *upper)) {
        return fail(kWrongOrder);
    }
    if (part == kIntervalsBox) {
        w.von[n] = generalNumber(*lower);
        w.bis[n] = generalNumber(*upper);
        ++w.revision;
        return vonenter(ctx, n) ? Status() : fail(kSyntax);
    }
    const int slot = paramindex(ctx.state, range->name);
    if (slot >= 0) {
        setparb(ctx, slot, *lower, *upper);
    }
    return {};
}

Status applyLine(ProgramContext& ctx, int part, std::string line) {
    int n = -1;
    if (part == kTermsBox || part == kIntervalsBox || part == kLowersBox) {
        n = findKey(ctx.state, part, line);
        if (n < 0) {
            return fail(kBadLine);
        }
    }
    std::replace(line.begin(), line.end(), ',', '.');
    switch (part) {
    case kTermsBox:
        return termLine(ctx, n, line.substr(keyOf(ctx.state, part, n).size()));
    case kParamsBox:
        return paramLine(ctx, line);
    case kLowersBox:
        return setValue(ctx, n, line.substr(keyOf(ctx.state, part, n).size()));
    default:
        return rangeLine(ctx, part, n, line);
    }
}

// The boxes in the order terms, intervals, parameters, bounds, lower bounds, up to the first
// faulty one. Whatever happens, the terms the window shows are interpreted, so that the picture
// drawn afterwards belongs to the status line.
void applyBoxes(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    CollectionWindow& w = state.collection.window;
    for (int i = 0; i < kSlotCount; ++i) {
        state.slots[i].engtext.clear();
        state.intervals.von[kFirstRestrictionRow + i].clear();
        state.intervals.bis[kFirstRestrictionRow + i].clear();
        const int width = leadingInteger(w.dicke[i]);
        state.style.ldickeovr[i] = static_cast<int16_t>(width < 1 ? -1 : width);
    }
    ++state.intervals.revision;
    makepens(state, kSlotPens);
    if (!colget(ctx, kTermsBox)) {
        interpretall(ctx);
        return;
    }
    const bool intervalsOk = colget(ctx, kIntervalsBox);
    if (intervalsOk) {
        state.intervaltext = makedtxt(state, ctx.ui);
    }
    makeplist(state);
    takeit(ctx);
    if (intervalsOk && colget(ctx, kParamsBox) && colget(ctx, kBoundsBox)) {
        colget(ctx, kLowersBox);
    }
}

} // namespace

void showerror(PlotState& state, const std::string& message, uint32_t colour) {
    CollectionWindow& w = state.collection.window;
    w.label9 = message;
    w.label9Color = colour;
}

bool colget(ProgramContext& ctx, int part) {
    CollectionWindow& w = ctx.state.collection.window;
    w.linepos = 1;
    const std::string text = w.txt[part];
    for (std::string line = getfull(w, text); line != "end"; line = getfull(w, text)) {
        const Status applied = applyLine(ctx, part, line);
        if (!applied.ok()) {
            showerror(ctx.state,
                      std::string("Eingabefeld \"") + kBoxNames[part] + "\": " + applied.reason(),
                      kErrorColor);
            ctx.ui.changed(Change::Collection);
            return false;
        }
    }
    showerror(ctx.state, "O.k.", kButtonFaceColor);
    ctx.ui.changed(Change::Collection);
    return true;
}

void colgetall(ProgramContext& ctx) {
    {
        BusyScope batch(ctx.state);
        applyBoxes(ctx);
    }
    // Drawn after a faulty box too: the picture shows what the boxes before it applied, in
    // the view in force, while the collection window's status line names the fault.
    redrawGraph(ctx);
    ctx.ui.changed(Change::Parameters);
}

} // namespace vestrano
