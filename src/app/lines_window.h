#pragma once

#include <string_view>

namespace vestrano {

struct ProgramContext;
struct PlotState;
class Ui;

// The window `Asymptoten`: what its controls do to the program.

// Loads the window's contents the first time and shows it.
void showLinesWindow(ProgramContext& ctx);

// Every row's engine text, the mode's lines text and the text the interpretation scans.
void rebuildLinesText(PlotState& state, Ui& ui);

// The lines go into the term state: texts rebuilt, everything interpreted anew.
void takeit(ProgramContext& ctx);

// Take over, write the settings and redraw.
void nimms(ProgramContext& ctx);

// Enter in the input line (or "Übernehmen").
void asytaste(ProgramContext& ctx);

// The default line type (`Text2`) and the type of visible row k (`Text1(k)`).
void chdicke(ProgramContext& ctx, std::string_view text);
void chli(ProgramContext& ctx, int k, std::string_view text);

// "Zeile löschen", Delete or Backspace in the list.
void removeLines(ProgramContext& ctx);

// "Standardfarbe" and the colour button of visible row k.
void chooseDefaultLineColour(ProgramContext& ctx);
void chooseLineColour(ProgramContext& ctx, int k);

// "zusätzliche Geraden sichtbar".
void toggleLinesVisible(ProgramContext& ctx);

} // namespace vestrano
