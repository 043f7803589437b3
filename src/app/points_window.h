#pragma once

#include <cstdint>
#include <string_view>

namespace vestrano {

struct ProgramContext;

// The window `Punkte`: what its controls do to the program.

constexpr uint8_t kPointDots = 1;  // "Punkte" checked
constexpr uint8_t kPointNames = 2; // "Namen" checked

void showPointsWindow(ProgramContext& ctx);

// Interpret, write the settings and redraw.
void nimmsPoints(ProgramContext& ctx);

// Enter in the input line (or "Übernehmen").
void taste(ProgramContext& ctx);

// "Zeile löschen", Delete or Backspace in the list.
void removePoints(ProgramContext& ctx);

// The colour button of visible row k.
void choosePointColour(ProgramContext& ctx, int k);

// A click on "Punkte" or "Namen": its bit of `pointflags` flips.
void flipPointFlag(ProgramContext& ctx, uint8_t bit);

// The names' size box; a value outside 5..30 is ignored.
void chsize(ProgramContext& ctx, std::string_view text);

// "zusätzliche Punkte sichtbar": both check boxes follow the menu's new check mark.
void togglePointsVisible(ProgramContext& ctx);

} // namespace vestrano
