#include "lines/line_list.h"

#include "engine/plain_text.h"
#include "lines/row_list.h"
#include "settings/settings_keys.h"
#include "state/plot_state.h"
#include "state/rounding.h"
#include "terms/evaltext.h"
#include "terms/subst.h"
#include "terms/termconv.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {

constexpr int32_t kColorMask = 0xFFFFFF;

bool isLineTypeDigit(char c) {
    return c >= '0' && c <= '6';
}

std::string lineRecord(const LineRow& row) {
    std::string record = "c=" + std::to_string(row.color) + ":" + row.text;
    if (row.linetype != ' ') {
        record += ':';
        record += row.linetype;
    }
    return record;
}

// The colour of a record's "c=" field; the default colour when it is no number.
int32_t recordColor(PlotState& state, std::string_view field) {
    const double value = evaltext(state.engine, field);
    const auto color = toInt32(value);
    if (state.engine.ucGetError() != 0 || !color) {
        state.engine.ucEval(std::nullopt);
        return state.style.colors[4];
    }
    return *color & kColorMask;
}

// One record without its line break.
LineRow parseRecord(PlotState& state, std::string_view record) {
    LineRow row;
    row.color = state.style.colors[4];
    // Only a "c=" that opens the record is its colour: one further on belongs to a later row.
    if (record.starts_with("c=")) {
        const std::size_t colon = record.find(':');
        row.color = recordColor(state, record.substr(2, colon - std::min(colon, std::size_t{2})));
        record = colon == std::string_view::npos ? std::string_view{} : record.substr(colon + 1);
    }
    const std::size_t colon = record.find(':');
    if (colon != std::string_view::npos && colon + 1 < record.size()) {
        row.linetype = record[colon + 1];
    }
    row.text = trimmed(record.substr(0, colon));
    return row;
}

} // namespace

std::string lineEngineText(std::string_view text, int mode, Ui& ui) {
    std::string t = termconv(text, mode, ui);
    if (mode != 1) {
        return t;
    }
    t = subst(t, "t", "t0", 3);
    t = subst(t, "x", "t", 3);
    replaceAll(t, "t=", "x=");
    return t;
}

void readlist(PlotState& state, Ui& ui) {
    std::string text;
    for (LineRow& row : state.additional.lines.rows) {
        row.engtext = lineEngineText(row.text, state.mode, ui);
        text += text.empty() ? "" : "\r\n";
        text += lineRecord(row);
    }
    state.additional.modelines[state.mode] = text;
}

void text2list(PlotState& state) {
    LinesWindow& w = state.additional.lines;
    w.rows.clear();
    w.current = -1;
    w.topIndex = 0;
    ++w.revision;
    const std::string& text = state.additional.modelines[state.mode];
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        end = end == std::string::npos ? text.size() : end;
        LineRow row = parseRecord(state, std::string_view(text).substr(pos, end - pos));
        // Stored text may hold empty records; they would only be rows nobody can see.
        if (!row.text.empty()) {
            w.rows.push_back(std::move(row));
        }
        pos = end + 2;
    }
}

bool enterLine(PlotState& state) {
    LinesWindow& w = state.additional.lines;
    std::string typed = std::string(trimmed(w.input));
    if (typed.empty()) {
        return false;
    }
    int r = findinlist(w.rows, typed, true);
    if (r < 0) {
        r = onlySelected(w.rows);
    }
    LineRow row;
    row.color = state.style.colors[4];
    if (r >= 0) {
        row.color = w.rows[r].color;
        row.linetype = w.rows[r].linetype;
        w.rows.erase(w.rows.begin() + r);
    } else {
        r = static_cast<int>(w.rows.size());
    }
    if (typed.find('=') == std::string::npos) {
        typed = "y=" + typed;
    }
    row.text = typed;
    w.rows.insert(w.rows.begin() + r, std::move(row));
    makeCurrent(w, r);
    w.input.clear();
    ++w.revision;
    return true;
}

void setRowLineType(PlotState& state, int k, std::string_view text) {
    LinesWindow& w = state.additional.lines;
    const int r = w.topIndex + k;
    if (r < 0 || r >= static_cast<int>(w.rows.size())) {
        return;
    }
    const std::string s = std::string(trimmed(text));
    w.rows[r].linetype = s.size() == 1 && isLineTypeDigit(s[0]) ? s[0] : ' ';
    ++w.revision;
}

bool setDefaultLineType(PlotState& state, std::string_view text) {
    const double n = roundEven(leadingNumber(text));
    if (!(n >= 0 && n <= 6)) {
        return false;
    }
    state.additional.astil = static_cast<int16_t>(n);
    return true;
}

} // namespace vestrano
