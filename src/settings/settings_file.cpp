#include "settings/settings_file.h"

#include <algorithm>
#include <filesystem>

#include "plot/resources.h"
#include "plot/scale.h"
#include "settings/angle_mode.h"
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

// Key numbers of the help-line counts, as pairs of minimum and maximum.
constexpr int kHminx = 15;
constexpr int kHminy = 16;
constexpr int kHmaxx = 17;
constexpr int kHmaxy = 18;

double& at(SettingsValues& values, int n) {
    return values[static_cast<std::size_t>(n - 1)];
}

void keepOrderedCounts(SettingsValues& values, const SettingsValues& current, int min, int max) {
    if (at(values, min) < at(values, max)) {
        return;
    }
    at(values, min) = current[static_cast<std::size_t>(min - 1)];
    at(values, max) = current[static_cast<std::size_t>(max - 1)];
}

int16_t whole(double v) {
    return static_cast<int16_t>(v);
}

void storeValues(PlotState& s, const SettingsValues& v) {
    for (int i = 0; i < kSlotCount; ++i) {
        s.slots[i].ldicke = whole(v[i]);
        s.slots[i].anzx = whole(v[5 + i]);
        s.graph.ltyp[i] = v[31 + i];
    }
    s.slots[1].anzt = whole(v[8]);
    s.slots[2].anzt = whole(v[9]);
    s.menu.autoint = v[kAutoi - 1] != 0;
    HelpLines& g = s.grid;
    g.startx = v[10];
    g.starty = v[11];
    g.stepx = v[12];
    g.stepy = v[13];
    g.hminx = whole(v[14]);
    g.hminy = whole(v[15]);
    g.hmaxx = whole(v[16]);
    g.hmaxy = whole(v[17]);
    g.kommax = whole(v[18]);
    g.kommay = whole(v[19]);
    s.options.zoomx = v[20];
    s.options.zoomy = v[21];
    s.additional.astil = whole(v[22]);
    s.style.fontz = whole(v[23]);
    s.style.fontxy = whole(v[24]);
    s.options.calc = whole(v[25]);
    s.style.helpcol = whole(v[26]);
    for (int c : {0, 1, 2, 4}) {
        s.style.stdcolors[c] = static_cast<int32_t>(v[kFirstColour - 1 + std::min(c, 3)]);
    }
    s.menu.pardock = v[kPsort - 1] != 0;
}

} // namespace

SettingsValues readSettings(std::string_view fileText, const SettingsValues& current) {
    const ProfileKeys keys = profileSection(fileText, kSection);
    SettingsValues values = current;
    for (int n = 1; n <= kSettingCount; ++n) {
        const auto found = std::find_if(keys.begin(), keys.end(),
                                        [&](const auto& key) { return key.first == optkey(n); });
        if (found == keys.end() || found->second.empty()) {
            continue;
        }
        const std::string_view text = std::string_view(found->second).substr(0, kLongestValue);
        const double value = settingValue(n, leadingNumber(text));
        if (settingInRange(n, value)) {
            at(values, n) = value;
        }
    }
    keepOrderedCounts(values, current, kHminx, kHmaxx);
    keepOrderedCounts(values, current, kHminy, kHmaxy);
    return values;
}

std::string withSettings(const PlotState& state, std::string_view text) {
    const SettingsValues values = currentSettings(state);
    ProfileKeys keys;
    for (int n = 1; n <= kSettingCount; ++n) {
        keys.emplace_back(optkey(n), settingsValueText(values[static_cast<std::size_t>(n - 1)]));
    }
    return writeProfileKeys(text, kSection, keys);
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
    storeValues(state, values);
    setAngleMode(state, static_cast<int>(values[kWmass - 1]));
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

void storeWorkingSettings(const PlotState& state, Ui& ui) {
    const std::string& path = state.files.tmpfile;
    if (path.empty()) {
        return;
    }
    if (const Status saved = saveopts(state, path); !saved.ok()) {
        tellNotWritten(ui, path, saved.reason());
    }
}

} // namespace vestrano
