#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
class Ui;

// The lines of the window `Asymptoten` as text and back, and the edits of the list. Record of
// one row: "c=" colour ":" equation, and ":" line type when the row has its own.

// A line equation in engine syntax; in curve mode x becomes t (and t becomes t0) so that the
// main variable plays x, while "x=" stays the vertical line's mark.
std::string lineEngineText(std::string_view text, int mode, Ui& ui);

// List to text: every row gets its engine text, the records go to modelines(mode).
void readlist(PlotState& state, Ui& ui);

// Text to list: the rows from modelines(mode); a record without "c=" takes the default colour.
void text2list(PlotState& state);

// The input line goes into the list: it replaces an equal row, else the one selected row,
// else it is appended; without "=" it is a "y=" line. False when the input is blank.
bool enterLine(PlotState& state);

// The line type typed for visible row k: one character 0..6, anything else the default.
void setRowLineType(PlotState& state, int k, std::string_view text);

// The default line type from its box; false (nothing changed) when it is not in 0..6.
bool setDefaultLineType(PlotState& state, std::string_view text);

} // namespace vestrano
