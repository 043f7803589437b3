#pragma once

namespace vestrano {

struct ParamContext;
struct PlotState;

// The angle unit of the trigonometric functions: 1 radians, 2 degrees, 3 grads.
void winkelmas(ParamContext& ctx, int m);

// The four display items of the help-line menu; each click toggles its check mark and draws
// the background anew.
enum class DisplayItem { HelpLines, Numbers, Axes, AxisNames };
bool displaychecked(const PlotState& state, DisplayItem item);
void toggledisplay(ParamContext& ctx, DisplayItem item);

// "Zoom sperren": mouse clicks and zoom keys leave the view alone while it is checked.
void togglezoomlock(ParamContext& ctx);

// "Hauptfenster andocken": the child windows follow the main window; checking it arranges
// them at once.
void toggledock(ParamContext& ctx);

// The main window changed its size (twips) or was minimised; the children follow while
// docked.
void mainresized(ParamContext& ctx, int clientWidth, int clientHeight, bool minimized);

} // namespace vestrano
