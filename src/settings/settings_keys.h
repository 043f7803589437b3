#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;

constexpr int kSettingCount = 35;

// How a number read becomes the setting: whole settings round halves to even, the others are
// taken as read.
enum class SettingKind { Whole, Real };

// What a setting may hold; a value outside it leaves the setting as it was.
struct SettingRange {
    double lowest;
    double highest;
    bool nonZero = false;
    bool wholeOnly = false; // refused rather than rounded
};

// The help-line counts, whose minimum must stay below the maximum of its axis.
enum class HelpCount { None, MinX, MaxX, MinY, MaxY };

// Where a setting lives in the state. The getter gives the value the file receives; the setter
// takes a value read, which for the colours is not where the getter looks.
struct SettingAccess {
    double (*get)(const PlotState&);
    void (*set)(PlotState&, double);
};

// Which part of the built-in defaults sets a setting; some keep their start values.
enum class DefaultGroup { None, General, HelpLines, Lines };

struct SettingDefault {
    DefaultGroup group = DefaultGroup::None;
    double value = 0;
};

// One key of the settings section, in file order.
struct Setting {
    const char* key;
    SettingKind kind;
    SettingRange range;
    SettingDefault fallback;
    SettingAccess field;
    HelpCount count = HelpCount::None;

    // The number as this setting would hold it; nothing when it is outside the range.
    std::optional<double> taken(double number) const;
    bool accepts(double value) const;
};

// Every key, in the order the file holds them.
extern const std::array<Setting, kSettingCount> kSettings;

// The settings in key order: entry i belongs to kSettings[i].
using SettingsValues = std::array<double, kSettingCount>;

// The values the settings file would receive now.
SettingsValues currentSettings(const PlotState& state);

// Stores values as read into their fields; the angle unit takes effect in the engine at once.
void storeSettings(PlotState& state, const SettingsValues& values);

// Sets the settings of one part of the built-in defaults.
void storeDefaults(PlotState& state, DefaultGroup group);

// Takes back from `current` both help-line counts of an axis whose minimum is not below its
// maximum.
void keepHelpCountsInOrder(SettingsValues& values, const SettingsValues& current);

// False when a minimum help-line count is not below the maximum of its axis.
bool helpCountsInOrder(const SettingsValues& values);

// The file's own form of a value: "." as decimal point, a blank before a value that is not
// negative, no zero before the point (" 1", " .5", "-1", " 1E-10").
std::string settingsValueText(double value);

// The leading number of a value text, blanks before it skipped; 0 when there is none.
double leadingNumber(std::string_view text);

} // namespace vestrano
