#include "collection/entry_lines.h"

#include <cmath>
#include <cstdlib>

#include "params/param_table.h"
#include "settings/settings_keys.h"
#include "state/plot_state.h"
#include "state/rounding.h"

namespace vestrano {

namespace {

bool endsWithCrLf(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, kCrLf) == 0;
}

} // namespace

int leadingInteger(std::string_view text) {
    const double v = leadingNumber(text);
    if (!std::isfinite(v) || std::abs(v) > 32767) {
        return 0;
    }
    return static_cast<int>(roundEven(v));
}

std::string makeld(int mode, const std::array<std::string, 3>& dicke, std::string text) {
    if (text.empty()) {
        return text;
    }
    std::string widths;
    for (int i = 0; i < 3; ++i) {
        const int w = leadingInteger(dicke[i]);
        if (w > 0) {
            widths += "$" + slotName(mode, SlotText::ShortName, i) + std::to_string(w) + "$";
        }
    }
    if (widths.empty()) {
        return text;
    }
    if (!endsWithCrLf(text)) {
        text += kCrLf;
    }
    return text + widths;
}

std::string readandcut(int mode, std::array<std::string, 3>& dicke, std::string text) {
    for (int i = 0; i < 3; ++i) {
        dicke[i].clear();
        const std::string key = "$" + slotName(mode, SlotText::ShortName, i);
        const size_t p = text.find(key);
        if (p == std::string::npos) {
            continue;
        }
        const size_t q = text.find('$', p + 1);
        const size_t stop = q == std::string::npos ? text.size() : q;
        const int w = leadingInteger(text.substr(p + key.size(), stop - p - key.size()));
        if (w > 0) {
            dicke[i] = std::to_string(w);
        }
        text.erase(p, q == std::string::npos ? std::string::npos : q - p + 1);
    }
    if (endsWithCrLf(text)) {
        text.resize(text.size() - 2);
    }
    return text;
}

std::string getnextline(CollectionWindow& window, std::string_view text) {
    const size_t from = static_cast<size_t>(window.linepos) - 1;
    if (from >= text.size()) {
        return "end";
    }
    const size_t stop = text.find(kCrLf, from);
    std::string line(text.substr(from, stop == std::string_view::npos ? text.npos : stop - from));
    std::erase(line, '\r');
    std::erase(line, '\n');
    const size_t next = stop == std::string_view::npos ? text.size() : stop + 2;
    window.linepos = static_cast<int>(next + 1);
    return line;
}

std::string getfull(CollectionWindow& window, std::string_view text) {
    for (;;) {
        std::string line = getnextline(window, text);
        if (!line.empty()) {
            return line;
        }
    }
}

std::optional<int> paramindex(const PlotState& state, std::string_view name) {
    for (int s = kFirstCountParam; s < kParamCount; ++s) {
        if (slotInUse(state, s) && state.params[s].parname == name) {
            return s;
        }
    }
    return std::nullopt;
}

} // namespace vestrano
