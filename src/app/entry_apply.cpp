#include "app/entry_apply.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "app/interpretall.h"
#include "app/intervals.h"
#include "app/lines_window.h"
#include "collection/entry_lines.h"
#include "engine/plain_text.h"
#include "lines/point_list.h"
#include "params/param_arithmetic.h"
#include "plot/resources.h"
#include "state/busy_scope.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/result.h"
#include "state/ui.h"
#include "state/user_step.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

// Why a line of a box cannot be applied.
constexpr const char* kBadLine = "Ungültige Zeile!";
constexpr const char* kBadInterval = "Ungültige Intervallangabe!";
constexpr const char* kWrongOrder = "Untere Grenze muss kleiner als obere Grenze sein!";
constexpr const char* kSyntax = "Syntax-Fehler!";

constexpr std::array<const char*, kDetailBoxes> kBoxNames{
    "", "Funktionsterme", "Parameter", "Parameter-Grenzen", "Intervalle", "Stammfunktionsgrenzen"};

// Key n of a box whose lines begin with a key: a slot's term, an interval row, a lower bound.
std::string keyOf(const PlotState& state, DetailBox box, int n) {
    if (box == DetailBox::Terms) {
        return slotName(state.mode, SlotText::Function, n) + "=";
    }
    return collectionKey(
        box == DetailBox::Intervals ? CollectionKey::Interval : CollectionKey::LowerBound, n);
}

// Which of the box's keys the line begins with.
std::optional<int> findKey(const PlotState& state, DetailBox box, std::string_view line) {
    const int count = box == DetailBox::Intervals ? 2 * kSlotCount : kSlotCount;
    for (int n = 0; n < count; ++n) {
        if (line.starts_with(keyOf(state, box, n))) {
            return n;
        }
    }
    return std::nullopt;
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
    std::optional<double> v =
        evalnumber(ctx.state.engine, text, Finite::NotRequired, OnFailure::ClearError);
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
        evalnumber(state.engine, timer.empty() ? std::string() : timer.substr(1),
                   Finite::NotRequired, OnFailure::ClearError);
    if (!step) {
        return fail(kSyntax);
    }
    p.parstep = *step;
    return {};
}

Status paramLine(ProgramContext& ctx, std::string_view line) {
    const size_t eq = line.find('=');
    const std::optional<int> slot = paramindex(ctx.state, trimmed(line.substr(0, eq)));
    if (!slot || eq == std::string_view::npos) {
        return slot ? fail(kSyntax) : Status();
    }
    const std::string_view rest = line.substr(eq + 1);
    if (Status set = setValue(ctx, *slot, trimmed(rest.substr(0, rest.find('(')))); !set.ok()) {
        return set;
    }
    return timerPart(ctx.state, *slot, rest);
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
    return Range{std::string(trimmed(line.substr(0, open))),
                 std::string(line.substr(open + 1, semi - open - 1)),
                 std::string(line.substr(semi + 1, close - semi - 1))};
}

// A row of the intervals box, or with no row a parameter's bounds.
Status rangeLine(ProgramContext& ctx, std::optional<int> intervalRow, std::string_view line) {
    const std::optional<Range> range = splitRange(line);
    if (!range) {
        return fail(kBadInterval);
    }
    IntervalWindow& w = ctx.state.intervals;
    if (intervalRow && *intervalRow >= kFirstRestrictionRow) {
        w.von[*intervalRow] = range->lower;
        w.bis[*intervalRow] = range->upper;
        ++w.revision;
        return {};
    }
    const std::optional<double> lower =
        evalnumber(ctx.state.engine, range->lower, Finite::NotRequired, OnFailure::ClearError);
    const std::optional<double> upper =
        evalnumber(ctx.state.engine, range->upper, Finite::NotRequired, OnFailure::ClearError);
    if (!lower || !upper) {
        return fail(kSyntax);
    }
    if (!(*lower < *upper)) {
        return fail(kWrongOrder);
    }
    if (intervalRow) {
        const int n = *intervalRow;
        w.von[n] = generalNumber(*lower);
        w.bis[n] = generalNumber(*upper);
        ++w.revision;
        return vonenter(ctx, n) ? Status() : fail(kSyntax);
    }
    if (const std::optional<int> slot = paramindex(ctx.state, range->name)) {
        setparb(ctx, *slot, *lower, *upper);
    }
    return {};
}

Status applyLine(ProgramContext& ctx, DetailBox box, std::string line) {
    const bool keyed = box != DetailBox::Params && box != DetailBox::Bounds;
    const std::optional<int> n = keyed ? findKey(ctx.state, box, line) : std::nullopt;
    if (keyed && !n) {
        return fail(kBadLine);
    }
    std::replace(line.begin(), line.end(), ',', '.');
    switch (box) {
    case DetailBox::Terms:
        return termLine(ctx, *n, line.substr(keyOf(ctx.state, box, *n).size()));
    case DetailBox::Params:
        return paramLine(ctx, line);
    case DetailBox::Lowers:
        return setValue(ctx, *n, line.substr(keyOf(ctx.state, box, *n).size()));
    default:
        return rangeLine(ctx, n, line);
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
    if (!colget(ctx, DetailBox::Terms)) {
        interpretall(ctx);
        return;
    }
    const bool intervalsOk = colget(ctx, DetailBox::Intervals);
    if (intervalsOk) {
        state.intervaltext = makedtxt(state, ctx.ui);
    }
    makeplist(state);
    takeit(ctx);
    if (intervalsOk && colget(ctx, DetailBox::Params) && colget(ctx, DetailBox::Bounds)) {
        colget(ctx, DetailBox::Lowers);
    }
}

} // namespace

void showerror(PlotState& state, const std::string& message, uint32_t colour) {
    CollectionWindow& w = state.collection.window;
    w.label9 = message;
    w.label9Color = colour;
}

bool colget(ProgramContext& ctx, DetailBox box) {
    CollectionWindow& w = ctx.state.collection.window;
    w.linepos = 1;
    const std::string text = w.box(box);
    for (std::string line = getfull(w, text); line != "end"; line = getfull(w, text)) {
        const Status applied = applyLine(ctx, box, line);
        if (!applied.ok()) {
            const char* name = kBoxNames[static_cast<std::size_t>(box)];
            showerror(ctx.state, std::string("Eingabefeld \"") + name + "\": " + applied.reason(),
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
    const StepScope userStep(ctx, UserStep::Entry);
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
