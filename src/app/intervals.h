#pragma once

#include <string>

namespace vestrano {

struct ProgramContext;
struct PlotState;
class Ui;

// The boxes of the x, y and t rows show the view's ranges, and the integral lower bounds come
// into the new range.
void updateall(ProgramContext& ctx);

// Reads row i (0 x, 1 y, 2 t) and makes it the view's range; a row that cannot be read or
// whose bounds are in the wrong order keeps its range after a message. False then.
bool vonenter(ProgramContext& ctx, int i);

// "Übernehmen": every range is taken over, the restrictions are interpreted for their
// parameters, and the picture is drawn anew.
void vonbis(ProgramContext& ctx);

// The button "Übernehmen": `vonbis`, and the shown collection's selected entry follows.
void takeOverIntervals(ProgramContext& ctx);

// The restriction bounds of f, g and h as one expression for the parameter search, each in
// brackets, joined by "+". Bounds the engine cannot read are left out.
std::string makedtxt(PlotState& state, Ui& ui);

// Puts each integral lower bound of the mode that lies outside the mode's range into the
// middle of the range; every lower-bound window gets the range as its bounds. The hook by
// which a change of the view reaches the lower bounds.
void updatestamm(ProgramContext& ctx);

// The "Standard" buttons: x and y from -5 to 5, t from 0 to 10, then everything is taken over.
void presetRow(ProgramContext& ctx, int i);

// The menu item "Intervalle": the boxes show the current ranges and the window comes up.
void showIntervals(ProgramContext& ctx);

// The mode decides which rows the window shows and how tall it is: the t row only for curves,
// the restrictions only for functions, which the buttons then sit below.
struct IntervalLayout {
    bool tRow = false;
    bool restrictions = true;
    int buttonTop = 0;    // twips
    int clientHeight = 0; // twips, without the frame
};
IntervalLayout intervalLayout(int mode);

// After a mode switch: the window re-renders its rows and its height.
void intervalsForMode(PlotState& state);

} // namespace vestrano
