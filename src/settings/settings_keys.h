#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vestrano {

struct PlotState;

constexpr int kSettingCount = 35;

// Numbers of the keys whose handling goes beyond storing the value.
constexpr int kWmass = 4;
constexpr int kAutoi = 5;
constexpr int kFirstColour = 28; // fcol, gcol, hcol, acol
constexpr int kPsort = 35;

// The settings in key order: entry n - 1 holds setting n.
using SettingsValues = std::array<double, kSettingCount>;

// The key of number n (1..35); "end" after the last.
const std::string& optkey(int n);

// The values the settings file would receive now.
SettingsValues currentSettings(const PlotState& state);

// True when `value` may be taken for setting n; whole-number settings must already be rounded.
bool settingInRange(int n, double value);

// Rounds the whole-number settings (halves to even); doubles and the angle mode stay as read.
double settingValue(int n, double number);

// The file's own form of a value: "." as decimal point, a blank before a value that is not
// negative, no zero before the point (" 1", " .5", "-1", " 1E-10").
std::string settingsValueText(double value);

// The leading number of a value text, blanks before it skipped; 0 when there is none.
double leadingNumber(std::string_view text);

} // namespace vestrano
