#pragma once

namespace vestrano {

struct ProgramContext;

// The buttons of the help-line dialog ("Einstellungen zu den Hilfslinien").
// "Übernehmen": the boxes are checked in a fixed order; the first failing check is reported
// and nothing is applied. Returns whether the settings were taken.
bool applyGraphOptions(ProgramContext& ctx);
// "Voreinstellungen".
void graphOptionDefaults(ProgramContext& ctx);

} // namespace vestrano
