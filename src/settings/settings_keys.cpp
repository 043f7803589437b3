#include "settings/settings_keys.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

#include "settings/angle_mode.h"
#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

constexpr double kMost = std::numeric_limits<double>::max();
constexpr double kMostWhole = 32767;

constexpr SettingRange kAny{-kMost, kMost};
constexpr SettingRange kNonZero{-kMost, kMost, true};
constexpr SettingRange kNotNegative{0, kMost};
constexpr SettingRange kAtLeastOne{1, kMost};
constexpr SettingRange kWidth{1, kMostWhole};
constexpr SettingRange kSampleIntervals{1, 19999};
constexpr SettingRange kFewestHelpLines{0, kMostWhole - 1};
constexpr SettingRange kMostHelpLines{1, kMostWhole};
constexpr SettingRange kDecimals{0, 10};
constexpr SettingRange kLineStyle{0, 6};
constexpr SettingRange kFontSize{5, 30};
constexpr SettingRange kCalculatorDigits{0, 22};
constexpr SettingRange kGrey{0, 255};
constexpr SettingRange kColour{0, 16777215};
constexpr SettingRange kAngleUnit{.lowest = 1, .highest = 3, .wholeOnly = true};

constexpr SettingDefault general(double value) {
    return {DefaultGroup::General, value};
}
constexpr SettingDefault help(double value) {
    return {DefaultGroup::HelpLines, value};
}
constexpr SettingDefault line(double value) {
    return {DefaultGroup::Lines, value};
}
// Set only at start-up, never by the built-in defaults.
constexpr SettingDefault kStartValue{};

template <class T> double number(T value) {
    return static_cast<double>(value);
}
double number(bool on) {
    return on ? -1 : 0;
}
template <class T> void store(T& field, double value) {
    field = static_cast<T>(value);
}
void store(bool& field, double value) {
    field = value != 0;
}

// Both directions through one reference, so that the table names each field once.
template <class Ref> constexpr SettingAccess field(Ref) {
    return {[](const PlotState& s) { return number(Ref{}(s)); },
            [](PlotState& s, double value) { store(Ref{}(s), value); }};
}

// Written from the colour in use, read into the standard colour that is then made current.
template <std::size_t I> constexpr SettingAccess colour() {
    return {[](const PlotState& s) { return number(s.style.colors[I]); },
            [](PlotState& s, double value) { store(s.style.stdcolors[I], value); }};
}

// The unit also reaches the engine's trigonometric functions.
constexpr SettingAccess kAngleMode{
    [](const PlotState& s) { return number(s.options.anglemode); },
    [](PlotState& s, double value) { setAngleMode(s, static_cast<int>(value)); }};

} // namespace

constexpr std::array<Setting, kSettingCount> kSettings{{
    {"ldickef", SettingKind::Whole, kWidth, line(1),
     field([](auto& s) -> auto& { return s.slots[0].ldicke; })},
    {"ldickeg", SettingKind::Whole, kWidth, line(1),
     field([](auto& s) -> auto& { return s.slots[1].ldicke; })},
    {"ldickeh", SettingKind::Whole, kWidth, line(1),
     field([](auto& s) -> auto& { return s.slots[2].ldicke; })},
    {"wmass", SettingKind::Real, kAngleUnit, general(1), kAngleMode},
    {"autoi", SettingKind::Real, kAny, general(0),
     field([](auto& s) -> auto& { return s.menu.autoint; })},
    {"anzxf", SettingKind::Whole, kSampleIntervals, line(499),
     field([](auto& s) -> auto& { return s.slots[0].anzx; })},
    {"anzxg", SettingKind::Whole, kSampleIntervals, line(499),
     field([](auto& s) -> auto& { return s.slots[1].anzx; })},
    {"anzxh", SettingKind::Whole, kSampleIntervals, line(499),
     field([](auto& s) -> auto& { return s.slots[2].anzx; })},
    {"anzt1", SettingKind::Whole, kSampleIntervals, line(499),
     field([](auto& s) -> auto& { return s.slots[1].anzt; })},
    {"anzt2", SettingKind::Whole, kSampleIntervals, line(499),
     field([](auto& s) -> auto& { return s.slots[2].anzt; })},
    {"startx", SettingKind::Real, kAny, help(0),
     field([](auto& s) -> auto& { return s.grid.startx; })},
    {"starty", SettingKind::Real, kAny, help(0),
     field([](auto& s) -> auto& { return s.grid.starty; })},
    {"stepx", SettingKind::Real, kNonZero, help(0.5),
     field([](auto& s) -> auto& { return s.grid.stepx; })},
    {"stepy", SettingKind::Real, kNonZero, help(0.5),
     field([](auto& s) -> auto& { return s.grid.stepy; })},
    {"hminx", SettingKind::Whole, kFewestHelpLines, help(10),
     field([](auto& s) -> auto& { return s.grid.hminx; }), HelpCount::MinX},
    {"hminy", SettingKind::Whole, kFewestHelpLines, help(10),
     field([](auto& s) -> auto& { return s.grid.hminy; }), HelpCount::MinY},
    {"hmaxx", SettingKind::Whole, kMostHelpLines, help(40),
     field([](auto& s) -> auto& { return s.grid.hmaxx; }), HelpCount::MaxX},
    {"hmaxy", SettingKind::Whole, kMostHelpLines, help(40),
     field([](auto& s) -> auto& { return s.grid.hmaxy; }), HelpCount::MaxY},
    {"kommax", SettingKind::Whole, kDecimals, help(2),
     field([](auto& s) -> auto& { return s.grid.kommax; })},
    {"kommay", SettingKind::Whole, kDecimals, help(2),
     field([](auto& s) -> auto& { return s.grid.kommay; })},
    {"zoomx", SettingKind::Real, kAtLeastOne, general(1.5),
     field([](auto& s) -> auto& { return s.options.zoomx; })},
    {"zoomy", SettingKind::Real, kAtLeastOne, general(1.5),
     field([](auto& s) -> auto& { return s.options.zoomy; })},
    {"astil", SettingKind::Whole, kLineStyle, kStartValue,
     field([](auto& s) -> auto& { return s.additional.astil; })},
    {"fontz", SettingKind::Whole, kFontSize, help(12),
     field([](auto& s) -> auto& { return s.style.fontz; })},
    {"fontxy", SettingKind::Whole, kFontSize, help(16),
     field([](auto& s) -> auto& { return s.style.fontxy; })},
    {"calc", SettingKind::Whole, kCalculatorDigits, kStartValue,
     field([](auto& s) -> auto& { return s.options.calc; })},
    {"helpcol", SettingKind::Whole, kGrey, help(210),
     field([](auto& s) -> auto& { return s.style.helpcol; })},
    {"fcol", SettingKind::Whole, kColour, line(16732240), colour<0>()},
    {"gcol", SettingKind::Whole, kColour, line(2662400), colour<1>()},
    {"hcol", SettingKind::Whole, kColour, line(255), colour<2>()},
    {"acol", SettingKind::Whole, kColour, line(5242960), colour<4>()},
    {"ltyp1", SettingKind::Real, kNotNegative, line(0),
     field([](auto& s) -> auto& { return s.graph.ltyp[0]; })},
    {"ltyp2", SettingKind::Real, kNotNegative, line(0),
     field([](auto& s) -> auto& { return s.graph.ltyp[1]; })},
    {"ltyp3", SettingKind::Real, kNotNegative, line(0),
     field([](auto& s) -> auto& { return s.graph.ltyp[2]; })},
    {"psort", SettingKind::Real, kAny, kStartValue,
     field([](auto& s) -> auto& { return s.menu.pardock; })},
}};

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// 15 significant digits as the screen shows them, or 17 when 15 would not read back the same
// number, so that a setting survives any number of restarts unchanged.
std::string exactNumber(double value) {
    std::string text = generalNumber(value);
    double back = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    if (result.ec == std::errc() && back == value) {
        return text;
    }
    char longer[32];
    std::snprintf(longer, sizeof longer, "%.17G", value);
    return longer;
}

std::size_t rowOf(HelpCount count) {
    const auto row = std::find_if(kSettings.begin(), kSettings.end(),
                                  [&](const Setting& setting) { return setting.count == count; });
    return static_cast<std::size_t>(row - kSettings.begin());
}

constexpr std::array<std::pair<HelpCount, HelpCount>, 2> kHelpCountPairs{
    {{HelpCount::MinX, HelpCount::MaxX}, {HelpCount::MinY, HelpCount::MaxY}}};

bool inOrder(const SettingsValues& values, HelpCount min, HelpCount max) {
    return values[rowOf(min)] < values[rowOf(max)];
}

} // namespace

bool Setting::accepts(double value) const {
    if (!std::isfinite(value) || value < range.lowest || value > range.highest) {
        return false;
    }
    if (range.nonZero && value == 0) {
        return false;
    }
    return !range.wholeOnly || value == std::trunc(value);
}

std::optional<double> Setting::taken(double number) const {
    const double value = kind == SettingKind::Whole ? roundEven(number) : number;
    return accepts(value) ? std::optional(value) : std::nullopt;
}

SettingsValues currentSettings(const PlotState& state) {
    SettingsValues values{};
    std::transform(kSettings.begin(), kSettings.end(), values.begin(),
                   [&](const Setting& setting) { return setting.field.get(state); });
    return values;
}

void storeSettings(PlotState& state, const SettingsValues& values) {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        kSettings[i].field.set(state, values[i]);
    }
}

void storeDefaults(PlotState& state, DefaultGroup group) {
    if (group == DefaultGroup::None) {
        return;
    }
    for (const Setting& setting : kSettings) {
        if (setting.fallback.group == group) {
            setting.field.set(state, setting.fallback.value);
        }
    }
}

void keepHelpCountsInOrder(SettingsValues& values, const SettingsValues& current) {
    for (const auto& [min, max] : kHelpCountPairs) {
        if (!inOrder(values, min, max)) {
            values[rowOf(min)] = current[rowOf(min)];
            values[rowOf(max)] = current[rowOf(max)];
        }
    }
}

bool helpCountsInOrder(const SettingsValues& values) {
    return std::all_of(kHelpCountPairs.begin(), kHelpCountPairs.end(),
                       [&](const auto& pair) { return inOrder(values, pair.first, pair.second); });
}

std::string settingsValueText(double value) {
    std::string text = exactNumber(value);
    const bool negative = text.front() == '-';
    const std::size_t digits = negative ? 1 : 0;
    if (text.compare(digits, 2, "0.") == 0) {
        text.erase(digits, 1);
    }
    return negative ? text : " " + text;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        number += text[i++];
    }
    bool anyDigit = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        anyDigit = anyDigit || isDigit(text[i]);
        if (text[i] == '.' && number.find('.') != std::string::npos) {
            break;
        }
        number += text[i];
    }
    if (!anyDigit) {
        return 0;
    }
    // An exponent counts only with at least one digit after its sign.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            exponent += text[j++];
        }
        const std::size_t firstDigit = j;
        while (j < text.size() && isDigit(text[j])) {
            exponent += text[j++];
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    // from_chars ignores the user's locale; beyond the range of a double the value is refused.
    const char* first = number.data() + (number.front() == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    return result.ec == std::errc() ? value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace vestrano
