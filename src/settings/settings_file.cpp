#include "settings/settings_file.h"

#include <algorithm>
#include <filesystem>

#include "plot/resources.h"
#include "plot/scale.h"
#include "settings/option_dialogs.h"
#include "settings/profile_text.h"
#include "settings/text_file.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"

namespace vestrano {

namespace {

constexpr const char* kSection = "Vestrano";
constexpr std::size_t kLongestValue = 249;

} // namespace

SettingsValues readSettings(std::string_view fileText, const SettingsValues& current) {
    const ProfileKeys keys = profileSection(fileText, kSection);
    SettingsValues values = current;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const auto found = std::find_if(keys.begin(), keys.end(), [&](const auto& key) {
            return key.first == kSettings[i].key;
        });
        if (found == keys.end() || found->second.empty()) {
            continue;
        }
        const std::string_view text = std::string_view(found->second).substr(0, kLongestValue);
        values[i] = kSettings[i].taken(leadingNumber(text)).value_or(values[i]);
    }
    keepHelpCountsInOrder(values, current);
    return values;
}

ProfileKeys settingsLines(const SettingsValues& values) {
    ProfileKeys keys;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        keys.emplace_back(kSettings[i].key, settingsValueText(values[i]));
    }
    return keys;
}

std::string withSettings(const PlotState& state, std::string_view text) {
    return writeProfileKeys(text, kSection, settingsLines(currentSettings(state)));
}

Status saveopts(const PlotState& state, const std::string& path) {
    const auto old = readWholeFile(path);
    std::error_code error;
    // A file that is there but cannot be read must not be replaced by the settings alone.
    if (!old.ok() && (std::filesystem::exists(path, error) || error)) {
        return fail("Die Datei kann nicht gelesen werden.");
    }
    return writeFileAtomically(path, withSettings(state, old.value_or("")));
}

void loadopts(ProgramContext& ctx, const std::string& path) {
    const auto text = readWholeFile(path);
    if (!text.ok()) {
        return;
    }
    applySettings(ctx, readSettings(text.value(), currentSettings(ctx.state)));
}

void applySettings(ProgramContext& ctx, const SettingsValues& values) {
    PlotState& state = ctx.state;
    storeSettings(state, values);
    setdef(state);
    setval(state);
    setgroptions(ctx);
    // The additional lines draw in the colour just read, as the slots do.
    state.style.colors[4] = state.style.stdcolors[4];
    // Help lines, fonts and label formats follow at once, not only after the next change.
    refreshFonts(ctx);
    setscale(state);
    ctx.ui.changed(Change::Options);
    ctx.ui.changed(Change::Menu);
    ctx.ui.changed(Change::Terms);
    ctx.ui.changed(Change::Calculator);
}

std::string settingsNotSavedText(const std::string& path, const std::string& reason) {
    return "Die Einstellungen konnten nicht in " + path + " gespeichert werden. " + reason;
}

void storeSettings(const PlotState& state, Ui& ui, const std::string& path) {
    if (path.empty()) {
        return;
    }
    if (const Status saved = saveopts(state, path); !saved.ok()) {
        ui.message(settingsNotSavedText(path, saved.reason()), "Fehler", MessageIcon::Exclamation);
    }
}

void storeWorkingSettings(const PlotState& state, Ui& ui) {
    storeSettings(state, ui, state.files.tmpfile);
}

} // namespace vestrano
