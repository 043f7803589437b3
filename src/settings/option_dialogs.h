#pragma once

#include <cstdint>

namespace vestrano {

struct PlotState;
struct ProgramContext;

// Help lines and labels ("Einstellungen zu den Hilfslinien").
// The boxes from the settings; the help-line grey follows the brightness.
void setdef(PlotState& state);
// Its buttons are in graph_options.h.

// Lines of the graphs ("Einstellungen zu den Linien").
// The boxes from the settings, the standard colours made current, then `takedicke`.
void setgroptions(ProgramContext& ctx);
// Widths, line types, sample counts and the numeric limit back from the boxes; bad values
// are left out silently, a width that is not above 0 becomes 1.
void takedicke(ProgramContext& ctx);
// The parameter windows of the x sample counts show the counts anew.
void aktpar(ProgramContext& ctx);
void applyLineOptions(ProgramContext& ctx);
void lineOptionDefaults(ProgramContext& ctx);
// The column button of slot i: the colour chooser; Cancel changes nothing.
void chooseSlotColour(ProgramContext& ctx, int i);

// Zoom factors ("Zoom-Einstellungen").
void setval(PlotState& state);
// Each factor below 1 is refused with its own message; the other is stored regardless.
void applyZoomOptions(ProgramContext& ctx);

// Colour i (0..2 slots, 4 additional lines) becomes current and standard; the slot keeps the
// colour it had as its previous one, so its pen is made anew.
void setcolour(PlotState& state, int i, int32_t colour);

// Fixed pens and fonts anew; measured by the graph window when there is one.
void refreshFonts(ProgramContext& ctx);

} // namespace vestrano
