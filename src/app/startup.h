#pragma once

#include <string>

#include "state/busy_scope.h"
#include "state/program_context.h"

namespace vestrano {

struct PlotState;
class TextMetrics;
class Ui;

// The start-up up to the mode switch, while the windows exist but are not shown: start
// values, built-in settings, parameter table, engine, view, the working copy in `dataFolder`
// with its settings (none when the folder is empty), function mode. The context gets every hook
// here: the windows' ones from `windows` (none where there are no windows), and the ones this
// layer offers to those below. `busy` stays raised until the returned scope is handed to
// `completeStartup`, so nothing is drawn yet.
[[nodiscard]] BusyScope startup(ProgramContext& ctx, Hooks windows,
                                const std::string& dataFolder = {});

// The rest of the start-up: the fonts measured, the term and graph windows shown and
// arranged, `busy` given back, both axes given the same scale. Draws the first picture.
void completeStartup(ProgramContext& ctx, TextMetrics& metrics, BusyScope starting);

// The shutdown: a changed collection may be saved; the graphics objects are let go.
void quit(ProgramContext& ctx);

} // namespace vestrano
