#pragma once

#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;
struct PointRow;
class Ui;

// The points of the window `Punkte`: their syntax, the text form and the edits of the list.
// Record of one row: point text ":" colour ":" dx ":" dy.

// Splits the row's text "name(x;y)" into its name and converted coordinates; a text that does
// not fit the syntax leaves the row's parts as they were.
void makeentry(PointRow& row, int mode, Ui& ui);

// Every converted coordinate joined by "+", for the term interpretation to find parameters.
void makeplist(PlotState& state);

// The text form of the list, and the list from it.
std::string getliste(const PlotState& state);
void makeliste(PlotState& state, std::string_view text, Ui& ui);

// The input line goes into the list: it replaces an equal row, else the one selected row,
// else it is appended. False when the input is blank.
bool enterPoint(PlotState& state, Ui& ui);

// The names' size from its box; false (nothing changed) outside 5..30.
bool setPointSize(PlotState& state, std::string_view text);

} // namespace vestrano
