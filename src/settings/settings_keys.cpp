#include "settings/settings_keys.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "state/general_number.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

enum class Kind { Whole, Real };

// What a setting may hold; a value outside it leaves the setting as it was.
struct KeyRange {
    const char* key;
    Kind kind;
    double lowest;
    double highest;
    bool nonZero = false;
};

constexpr double kMost = std::numeric_limits<double>::max();
constexpr double kMostWhole = 32767;

constexpr std::array<KeyRange, kSettingCount> kKeys{{
    {"ldickef", Kind::Whole, 1, kMostWhole},
    {"ldickeg", Kind::Whole, 1, kMostWhole},
    {"ldickeh", Kind::Whole, 1, kMostWhole},
    {"wmass", Kind::Real, 1, 3},
    {"autoi", Kind::Real, -kMost, kMost},
    {"anzxf", Kind::Whole, 1, 19999},
    {"anzxg", Kind::Whole, 1, 19999},
    {"anzxh", Kind::Whole, 1, 19999},
    {"anzt1", Kind::Whole, 1, 19999},
    {"anzt2", Kind::Whole, 1, 19999},
    {"startx", Kind::Real, -kMost, kMost},
    {"starty", Kind::Real, -kMost, kMost},
    {"stepx", Kind::Real, -kMost, kMost, true},
    {"stepy", Kind::Real, -kMost, kMost, true},
    {"hminx", Kind::Whole, 0, kMostWhole - 1},
    {"hminy", Kind::Whole, 0, kMostWhole - 1},
    {"hmaxx", Kind::Whole, 1, kMostWhole},
    {"hmaxy", Kind::Whole, 1, kMostWhole},
    {"kommax", Kind::Whole, 0, 10},
    {"kommay", Kind::Whole, 0, 10},
    {"zoomx", Kind::Real, 1, kMost},
    {"zoomy", Kind::Real, 1, kMost},
    {"astil", Kind::Whole, 0, 6},
    {"fontz", Kind::Whole, 5, 30},
    {"fontxy", Kind::Whole, 5, 30},
    {"calc", Kind::Whole, 0, 22},
    {"helpcol", Kind::Whole, 0, 255},
    {"fcol", Kind::Whole, 0, 16777215},
    {"gcol", Kind::Whole, 0, 16777215},
    {"hcol", Kind::Whole, 0, 16777215},
    {"acol", Kind::Whole, 0, 16777215},
    {"ltyp1", Kind::Real, 0, kMost},
    {"ltyp2", Kind::Real, 0, kMost},
    {"ltyp3", Kind::Real, 0, kMost},
    {"psort", Kind::Real, -kMost, kMost},
}};

double flag(bool on) {
    return on ? -1 : 0;
}

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

} // namespace

const std::string& optkey(int n) {
    static const std::array<std::string, kSettingCount + 1> keys = [] {
        std::array<std::string, kSettingCount + 1> k{};
        for (int i = 0; i < kSettingCount; ++i) {
            k[i] = kKeys[i].key;
        }
        k[kSettingCount] = "end";
        return k;
    }();
    return keys[static_cast<std::size_t>(n < 1 || n > kSettingCount ? kSettingCount : n - 1)];
}

SettingsValues currentSettings(const PlotState& s) {
    SettingsValues v{};
    for (int i = 0; i < kSlotCount; ++i) {
        v[i] = s.slots[i].ldicke;
        v[5 + i] = s.slots[i].anzx;
        v[31 + i] = s.graph.ltyp[i];
    }
    v[3] = s.options.anglemode;
    v[4] = flag(s.menu.autoint);
    v[8] = s.slots[1].anzt;
    v[9] = s.slots[2].anzt;
    const HelpLines& g = s.grid;
    const std::array<double, 10> grid{
        g.startx,        g.starty,        g.stepx,         g.stepy,          double(g.hminx),
        double(g.hminy), double(g.hmaxx), double(g.hmaxy), double(g.kommax), double(g.kommay)};
    std::copy(grid.begin(), grid.end(), v.begin() + 10);
    v[20] = s.options.zoomx;
    v[21] = s.options.zoomy;
    v[22] = s.additional.astil;
    v[23] = s.style.fontz;
    v[24] = s.style.fontxy;
    v[25] = s.options.calc;
    v[26] = s.style.helpcol;
    v[27] = s.style.colors[0];
    v[28] = s.style.colors[1];
    v[29] = s.style.colors[2];
    v[30] = s.style.colors[4];
    v[34] = flag(s.menu.pardock);
    return v;
}

bool settingInRange(int n, double value) {
    const KeyRange& range = kKeys[static_cast<std::size_t>(n - 1)];
    if (!std::isfinite(value) || value < range.lowest || value > range.highest) {
        return false;
    }
    if (range.nonZero && value == 0) {
        return false;
    }
    // Only the three angle units exist.
    return n != kWmass || value == std::trunc(value);
}

double settingValue(int n, double number) {
    return kKeys[static_cast<std::size_t>(n - 1)].kind == Kind::Whole ? roundEven(number) : number;
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
