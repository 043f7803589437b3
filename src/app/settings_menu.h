#pragma once

namespace vestrano {

struct ProgramContext;

// "Einstellungen speichern": into the working copy and, when a collection file is open, into
// it. A file that cannot be written is reported with its name.
void saveSettingsMenu(ProgramContext& ctx);

// "Voreinstellungen aktivieren": the built-in settings, written into the working copy.
void restoreDefaultsMenu(ProgramContext& ctx);

// A click into the line dialog's count box j (0..4) shows the parameter window of that count.
void showCountWindow(ProgramContext& ctx, int j);

} // namespace vestrano
