#pragma once

namespace vestrano {

struct ProgramContext;

// The built-in settings: radians, no automatic integral functions, zoom factors 1.5, then the
// help-line and line halves below. The menu's check marks follow the state.
void setdefaults(ProgramContext& ctx);

// Help lines, label decimals, fonts and the help-line grey; the dialog's boxes follow.
void helpdefaults(ProgramContext& ctx);

// Widths, sample counts, line types, standard colours and the numeric limit; ends in the line
// dialog's `setgroptions`, which makes the standard colours current and fills its boxes.
void linedefaults(ProgramContext& ctx);

} // namespace vestrano
