// "Übernehmen" and "Voreinstellungen" of the help-line dialog.

#include "settings/graph_options.h"

#include <array>
#include <optional>
#include <string>

#include "plot/scale.h"
#include "settings/defaults.h"
#include "settings/option_dialogs.h"
#include "settings/settings_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/rounding.h"
#include "state/ui.h"
#include "terms/evaltext.h"

namespace vestrano {

namespace {

// Box numbers, 0-based (Text1 is 0).
enum class Box {
    StartX,
    StepX,
    StartY,
    StepY,
    MinX,
    MaxX,
    MinY,
    MaxY,
    DecX,
    DecY,
    FontZ,
    FontXY,
    Bright
};
constexpr int kBoxCount = 13;

constexpr std::array<const char*, kBoxCount> kBoxNames{"Startwert der x-Hilfslinien",
                                                       "Schrittweite der x-Hilfslinien",
                                                       "Startwert der y-Hilfslinien",
                                                       "Schrittweite der y-Hilfslinien",
                                                       "minimale Anzahl der x-Hilfslinien",
                                                       "maximale Anzahl der x-Hilfslinien",
                                                       "minimale Anzahl der y-Hilfslinien",
                                                       "maximale Anzahl der y-Hilfslinien",
                                                       "Stellen hinter dem Komma der x-Werte",
                                                       "Stellen hinter dem Komma der y-Werte",
                                                       "Schriftgröße der Zahlen",
                                                       "Schriftgröße der Achsennamen",
                                                       "Hilfslinien-Helligkeit"};

// The boxes as read: every value, and the whole-number ones rounded into 16 bits (empty when
// they do not fit, which fails every check of that box).
struct GraphBoxes {
    std::array<double, kBoxCount> values{};
    std::array<std::optional<int16_t>, kBoxCount> wholes{};

    double value(Box b) const { return values[static_cast<std::size_t>(b)]; }
    std::optional<int16_t> whole(Box b) const { return wholes[static_cast<std::size_t>(b)]; }
};

struct Check {
    bool (*fails)(const GraphBoxes&);
    const char* title;
    const char* text;
};

bool below(const GraphBoxes& b, Box box, int lowest) {
    return !b.whole(box) || *b.whole(box) < lowest;
}
bool outside(const GraphBoxes& b, Box box, int lowest, int highest) {
    return below(b, box, lowest) || *b.whole(box) > highest;
}
bool unordered(const GraphBoxes& b, Box min, Box max) {
    return !b.whole(min) || !b.whole(max) || *b.whole(min) >= *b.whole(max);
}

constexpr const char* kOrder = "Unsinnige Reihenfolge bei der Anzahl!";
constexpr const char* kPositive = "Minimalzahl muss positiv sein!";
constexpr const char* kDigits = "Stellenzahl muss zwischen 1 und 10 liegen!";
constexpr const char* kFontSize = "Schriftgröße muss zwischen 4 und 31 liegen!";

constexpr std::array<Check, 11> kChecks{{
    {[](const GraphBoxes& b) { return b.value(Box::StepX) == 0; }, "Fehler",
     "Ungültige x-Schrittweite!"},
    {[](const GraphBoxes& b) { return b.value(Box::StepY) == 0; }, "Fehler",
     "Ungültige y-Schrittweite!"},
    {[](const GraphBoxes& b) { return unordered(b, Box::MinX, Box::MaxX); }, "x-Schrittweite",
     kOrder},
    {[](const GraphBoxes& b) { return unordered(b, Box::MinY, Box::MaxY); }, "y-Schrittweite",
     kOrder},
    {[](const GraphBoxes& b) { return below(b, Box::MinX, 0); }, "x-Hilfslinien", kPositive},
    {[](const GraphBoxes& b) { return below(b, Box::MinY, 0); }, "y-Hilfslinien", kPositive},
    {[](const GraphBoxes& b) { return outside(b, Box::DecX, 0, 10); }, "Stellengenauigkeit für x",
     kDigits},
    {[](const GraphBoxes& b) { return outside(b, Box::DecY, 0, 10); }, "Stellengenauigkeit für y",
     kDigits},
    {[](const GraphBoxes& b) { return outside(b, Box::FontZ, 5, 30); }, "Schriftgröße der Zahlen",
     kFontSize},
    {[](const GraphBoxes& b) { return outside(b, Box::FontXY, 5, 30); },
     "Schriftgröße der Achsennamen", kFontSize},
    {[](const GraphBoxes& b) { return outside(b, Box::Bright, 0, 255); }, "Hilfslinien-Helligkeit",
     "Helligkeit muss zwischen 0 und 255 liegen!"},
}};

// Reads every box; a box the engine cannot read is reported by its name.
std::optional<GraphBoxes> readBoxes(ProgramContext& ctx) {
    ExprEngine& engine = ctx.state.engine;
    GraphBoxes boxes;
    for (int i = 0; i < kBoxCount; ++i) {
        const auto v = evalnumber(engine, ctx.state.optionBoxes.graph.text[i]);
        if (!v) {
            ctx.ui.message(std::string("Bei „") + kBoxNames[i] + "“ steht keine gültige Zahl!",
                           "Fehler", MessageIcon::Critical);
            return std::nullopt;
        }
        boxes.values[i] = *v;
        boxes.wholes[i] = toInt16(*v);
    }
    return boxes;
}

void store(PlotState& state, const GraphBoxes& b) {
    HelpLines& g = state.grid;
    g.startx = b.value(Box::StartX);
    g.stepx = b.value(Box::StepX);
    g.starty = b.value(Box::StartY);
    g.stepy = b.value(Box::StepY);
    g.hminx = *b.whole(Box::MinX);
    g.hmaxx = *b.whole(Box::MaxX);
    g.hminy = *b.whole(Box::MinY);
    g.hmaxy = *b.whole(Box::MaxY);
    g.kommax = *b.whole(Box::DecX);
    g.kommay = *b.whole(Box::DecY);
    state.style.fontz = *b.whole(Box::FontZ);
    state.style.fontxy = *b.whole(Box::FontXY);
    const int16_t grey = *b.whole(Box::Bright);
    state.style.helpcol = grey;
    state.style.colors[3] = static_cast<int32_t>(rgb(grey, grey, grey));
}

} // namespace

bool applyGraphOptions(ProgramContext& ctx) {
    const auto boxes = readBoxes(ctx);
    if (!boxes) {
        return false;
    }
    for (const Check& check : kChecks) {
        if (check.fails(*boxes)) {
            ctx.ui.message(check.text, check.title, MessageIcon::Critical);
            return false;
        }
    }
    store(ctx.state, *boxes);
    refreshFonts(ctx);
    setscale(ctx.state);
    redrawGraph(ctx);
    storeWorkingSettings(ctx.state, ctx.ui);
    return true;
}

void graphOptionDefaults(ProgramContext& ctx) {
    helpdefaults(ctx);
    storeWorkingSettings(ctx.state, ctx.ui);
    setscale(ctx.state);
    redrawGraph(ctx);
}

} // namespace vestrano
