#pragma once

#include <string>

namespace vestrano {

struct PlotState;
class Ui;

// Shows a message a drawing routine raises, once for the current terms: a redraw runs on
// every parameter move and animation tick, and a modal box on each would lock the program.
void showOnce(PlotState& state, Ui& ui, const std::string& text);

// Shows `note` in the status line after what the term interpretation put there, in place of
// the note the previous redraw showed; an empty note takes that one back. Unlike a message box
// it stays in view without interrupting, as long as its cause lasts.
void drawingNote(PlotState& state, Ui& ui, const std::string& note);

} // namespace vestrano
