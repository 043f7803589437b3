#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
struct ProgramContext;

// Entries of the dialog's mode list; an entry's index is its item data (`parmode`).
inline constexpr std::array<const char*, 2> kTimerModes{"Schleife", "Richtungsumkehr"};

// What the timer dialog of one slot shows.
struct TimerDialog {
    int slot = -1;
    int modeIndex = 0;
    std::string stepText;
    std::string caption;
    int left = 0; // twips, just right of the slot's window
    int top = 0;
};

// Fills the dialog for slot s and places it beside the slot's window.
TimerDialog openTimerDialog(const PlotState& state, int s);

// OK with the typed step and the chosen mode. False when the step is refused: the message is
// shown and the dialog stays open.
bool timerDialogOk(ProgramContext& ctx, const TimerDialog& dialog, std::string_view stepText,
                   int modeIndex);

} // namespace vestrano
