#include "settings/option_dialogs.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "params/param_table.h"
#include "plot/resources.h"
#include "plot/scale.h"
#include "settings/defaults.h"
#include "settings/settings_file.h"
#include "state/busy_scope.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"
#include "state/text_metrics.h"
#include "state/ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

constexpr int kFewestPoints = 2;
constexpr int kMostPoints = 20000;

std::string wholeText(int v) {
    return std::to_string(v);
}

// A number as the user writes one: decimal comma or point, no expression.
std::optional<double> userNumber(std::string text) {
    for (char& c : text) {
        c = c == ',' ? '.' : c;
    }
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    double v = 0;
    const auto result = std::from_chars(begin, end, v);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

void redrawAll(ProgramContext& ctx) {
    setscale(ctx.state);
    redrawGraph(ctx);
}

} // namespace

void setcolour(PlotState& state, int i, int32_t colour) {
    DrawingStyle& style = state.style;
    if (i < kSlotCount) {
        state.slots[i].prevcolor = style.colors[i];
    }
    style.colors[i] = colour;
    style.stdcolors[i] = colour;
}

void refreshFonts(ProgramContext& ctx) {
    if (ctx.hooks.metrics && ctx.state.busy == 0) {
        fosize(ctx.state, *ctx.hooks.metrics);
        return;
    }
    makepens(ctx.state, kFixedPens);
}

void setdef(PlotState& state) {
    const HelpLines& g = state.grid;
    const DrawingStyle& style = state.style;
    state.optionBoxes.graph.text = {
        formatParamValue(g.startx), formatParamValue(g.stepx), formatParamValue(g.starty),
        formatParamValue(g.stepy),  wholeText(g.hminx),        wholeText(g.hmaxx),
        wholeText(g.hminy),         wholeText(g.hmaxy),        wholeText(g.kommax),
        wholeText(g.kommay),        wholeText(style.fontz),    wholeText(style.fontxy),
        wholeText(style.helpcol)};
    state.style.colors[3] = static_cast<int32_t>(rgb(style.helpcol, style.helpcol, style.helpcol));
}

void setval(PlotState& state) {
    state.optionBoxes.zoom.x = formatParamValue(state.options.zoomx);
    state.optionBoxes.zoom.y = formatParamValue(state.options.zoomy);
}

void setgroptions(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    LineOptionBoxes& boxes = state.optionBoxes.line;
    for (int i = 0; i < kSlotCount; ++i) {
        boxes.width[i] = wholeText(state.slots[i].ldicke);
        setcolour(state, i, state.style.stdcolors[i]);
        boxes.counts[kFirstLineTypeBox + i] = formatParamValue(state.graph.ltyp[i]);
    }
    for (int s = kFirstCountParam; s <= kLastCountParam; ++s) {
        boxes.counts[s - kFirstCountParam] = wholeText(countIntervals(state, s) + 1);
    }
    boxes.limit = state.graph.inflimit;
    takedicke(ctx);
    // A width below 1 is drawn as 1; the box says so rather than showing what was there.
    for (int i = 0; i < kSlotCount; ++i) {
        boxes.width[i] = wholeText(state.slots[i].ldicke);
    }
}

void takedicke(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    ExprEngine& engine = state.engine;
    const LineOptionBoxes& boxes = state.optionBoxes.line;
    const auto points = [&](const std::string& text) -> std::optional<int16_t> {
        const auto v = evalnumber(engine, text);
        const auto n = v ? toInt16(*v) : std::nullopt;
        if (!n || *n < kFewestPoints || *n > kMostPoints) {
            return std::nullopt;
        }
        return static_cast<int16_t>(*n - 1);
    };
    for (int i = 0; i < kSlotCount; ++i) {
        const auto width = userNumber(boxes.width[i]);
        const auto rounded = width && *width > 0 ? toInt16(*width) : std::nullopt;
        state.slots[i].ldicke = rounded && *rounded > 0 ? *rounded : int16_t{1};
        // A line type that is no number of at least 0 would hide the graph.
        const auto type = evalnumber(engine, boxes.counts[kFirstLineTypeBox + i]);
        if (type && *type >= 0) {
            state.graph.ltyp[i] = *type;
        }
    }
    for (int s = kFirstCountParam; s <= kLastCountParam; ++s) {
        if (const auto n = points(boxes.counts[s - kFirstCountParam])) {
            countIntervals(state, s) = *n;
        }
    }
    const auto limit = evalnumber(engine, boxes.limit);
    if (limit && *limit > 0 && *limit < 1) {
        // The limit goes into an engine term, so it is kept in the engine's own number form.
        state.graph.inflimit = generalNumber(*limit);
    }
    makepens(state, kSlotPens);
}

void aktpar(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const BusyScope batch(state);
    for (int s = kFirstCountParam; s < kFirstCountParam + kSlotCount; ++s) {
        // A window nobody opened stays closed; its variable still takes the count.
        if (state.params[s].window.loaded) {
            init(ctx, s);
        } else {
            storeParamValue(state, s, countValue(state, s));
        }
    }
}

void applyLineOptions(ProgramContext& ctx) {
    takedicke(ctx);
    setscale(ctx.state);
    aktpar(ctx);
    storeWorkingSettings(ctx.state, ctx.ui);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Parameters);
    redrawGraph(ctx);
}

void lineOptionDefaults(ProgramContext& ctx) {
    linedefaults(ctx);
    aktpar(ctx);
    storeWorkingSettings(ctx.state, ctx.ui);
    ctx.ui.changed(Change::Parameters);
    redrawAll(ctx);
}

void chooseSlotColour(ProgramContext& ctx, int i) {
    const auto colour = ctx.ui.chooseColor(static_cast<uint32_t>(ctx.state.style.colors[i]));
    if (!colour) {
        return;
    }
    setcolour(ctx.state, i, static_cast<int32_t>(*colour));
    makepens(ctx.state, kSlotPens);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Terms);
    redrawGraph(ctx);
}

void applyZoomOptions(ProgramContext& ctx) {
    PlotState& state = ctx.state;
    const auto x = evalnumber(state.engine, state.optionBoxes.zoom.x);
    if (x && *x >= 1) {
        state.options.zoomx = *x;
    } else {
        ctx.ui.message("ungültiger Zoomfaktor in x-Richtung!", "Vestrano", MessageIcon::None);
    }
    const auto y = evalnumber(state.engine, state.optionBoxes.zoom.y);
    if (y && *y >= 1) {
        state.options.zoomy = *y;
    } else {
        ctx.ui.message("ungültiger Zoomfaktor in y-Richtung!", "Vestrano", MessageIcon::None);
    }
    storeWorkingSettings(state, ctx.ui);
}

} // namespace vestrano
