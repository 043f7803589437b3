#pragma once

namespace vestrano {

struct ProgramContext;
struct PlotState;

// The angle unit of the trigonometric functions: 1 radians, 2 degrees, 3 grads; written into
// the working copy at once, as the option dialogs write theirs.
void winkelmas(ProgramContext& ctx, int m);

// The four display items of the help-line menu; each click toggles its check mark and draws
// the background anew.
enum class DisplayItem { HelpLines, Numbers, Axes, AxisNames };
bool displayChecked(const PlotState& state, DisplayItem item);
void toggleDisplay(ProgramContext& ctx, DisplayItem item);

// "Zoom sperren": mouse clicks and zoom keys leave the view alone while it is checked.
void toggleZoomLock(ProgramContext& ctx);

// "Hauptfenster andocken": the child windows follow the main window; checking it arranges
// them at once.
void toggleDock(ProgramContext& ctx);

// The main window changed its size (twips) or was minimised; the children follow while
// docked.
void mainResized(ProgramContext& ctx, int clientWidth, int clientHeight, bool minimized);

// The user resized the term or graph window; arranged parameter windows follow it.
void childResized(ProgramContext& ctx);

} // namespace vestrano
