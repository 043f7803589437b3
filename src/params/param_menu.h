#pragma once

#include <vector>

#include "params/param_list.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
struct FrameGeometry;

// mn_spal: shows the refreshed parameter list when it becomes checked, hides it otherwise.
void toggleParamList(PlotState& state, const FrameGeometry& frame, const NameWidth& nameWidth);

// mn_para: every visible parameter window forward, the list checked and refreshed. Returns
// the windows in the order to bring them forward.
std::vector<int> showAllParameters(PlotState& state, const FrameGeometry& frame,
                                   const NameWidth& nameWidth);

// mn_pardock: toggles, then arranges the parameter windows.
void toggleParDock(PlotState& state, const FrameGeometry& frame);

// mn_ugr: the lower-bound windows of slots 0..2, each unless already visible. Returns them in
// the order to bring them forward, so that none stays covered by another window.
std::vector<int> showLowerBounds(ProgramContext& ctx);

// mn_autoint: toggles; true when it became checked, and the terms must be read again.
bool toggleAutoInt(PlotState& state);

} // namespace vestrano
