#pragma once

#include <string>
#include <string_view>

#include "settings/profile_text.h"
#include "settings/settings_keys.h"
#include "state/result.h"

namespace vestrano {

struct PlotState;
struct ProgramContext;
class Ui;

// The settings of a file's "[Vestrano]" section. A key that is missing, empty or outside the
// range of its setting keeps its value from `current`; so does a pair of help-line counts
// whose minimum is not below its maximum.
SettingsValues readSettings(std::string_view fileText, const SettingsValues& current);

// The key lines of the section, values in the file's form, in key order.
ProfileKeys settingsLines(const SettingsValues& values);

// `text` with the 35 keys written into its section "Vestrano", every other byte kept.
std::string withSettings(const PlotState& state, std::string_view text);

// Writes the 35 keys into the section "Vestrano" of `path`, every other byte of the file kept.
Status saveopts(const PlotState& state, const std::string& path);

// Reads the settings of `path` and applies them; a missing file or section changes nothing.
void loadopts(ProgramContext& ctx, const std::string& path);

// Applies settings as read: the angle unit and check marks as their menu commands do, the
// colours into the standard colours, then the dialogs reload and the pens follow.
void applySettings(ProgramContext& ctx, const SettingsValues& values);

// The message that tells why the settings did not reach `path`.
std::string settingsNotSavedText(const std::string& path, const std::string& reason);

// Writes the settings into `path` (nothing when it is empty); a failure is told with the file's
// name and the reason, since the user's choice would be lost unnoticed.
void storeSettings(const PlotState& state, Ui& ui, const std::string& path);

// The settings into the working copy, when there is one.
void storeWorkingSettings(const PlotState& state, Ui& ui);

} // namespace vestrano
