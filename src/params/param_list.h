#pragma once

#include "state/program_context.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
struct FrameGeometry;

// Places of the list's controls for the window's client size.
struct ListLayout {
    int rowsWidth = 0;
    int rowsHeight = 0; // 0 when no room is left below the button
    int buttonWidth = 0;
};

// Whether the list shows slot s: a free parameter in use, or the lower bound of an integral
// function.
bool listed(const PlotState& state, int s);

// Rebuilds the list: the free parameters in use and the lower bounds of integral functions,
// checked when their window is visible; sizes and places the window and shows it.
void refpar(PlotState& state, const FrameGeometry& frame, const NameWidth& nameWidth);

// The user checked or unchecked a row: its window follows and becomes the active parameter.
void listClick(ProgramContext& ctx, const FrameGeometry& frame, int row, bool checked);

// "&Alle" checks every row and shows every window, "&Keine" unchecks and hides them.
void listButton(ProgramContext& ctx, const FrameGeometry& frame);

// The window of slot s was closed: its row loses the check.
void schalt(PlotState& state, int s);

ListLayout listLayout(int clientWidth, int clientHeight);

} // namespace vestrano
