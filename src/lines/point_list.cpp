#include "lines/point_list.h"

#include <array>

#include "engine/plain_text.h"
#include "lines/row_list.h"
#include "settings/settings_keys.h"
#include "state/plot_state.h"
#include "state/rounding.h"
#include "terms/termconv.h"
#include "terms/text_replace.h"

namespace vestrano {

namespace {

int32_t fieldValue(std::string_view field) {
    return toInt32(leadingNumber(field)).value_or(0);
}

// The fields of a record between its colons; the point text itself may hold none.
PointRow parseRecord(std::string_view record, int mode, Ui& ui) {
    PointRow row;
    std::array<std::string_view, 4> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t colon = i + 1 < fields.size() ? record.find(':') : record.size();
        fields[i] = record.substr(0, colon);
        record = colon < record.size() ? record.substr(colon + 1) : std::string_view{};
    }
    row.text = trimmed(fields[0]);
    row.color = fieldValue(fields[1]) & 0xFFFFFF;
    row.dx = fieldValue(fields[2]);
    row.dy = fieldValue(fields[3]);
    makeentry(row, mode, ui);
    return row;
}

} // namespace

void makeentry(PointRow& row, int mode, Ui& ui) {
    const std::string& t = row.text;
    const std::size_t dollar = t.find('$');
    const std::size_t open = t.find('(', dollar == std::string::npos ? 0 : dollar);
    if (open == std::string::npos || !t.ends_with(')')) {
        return;
    }
    const std::size_t semicolon = t.find(';', open);
    if (semicolon == std::string::npos) {
        return;
    }
    row.name = t.substr(0, open);
    row.xterm = termconv(t.substr(open + 1, semicolon - open - 1), mode, ui);
    row.yterm = termconv(t.substr(semicolon + 1, t.size() - semicolon - 2), mode, ui);
}

void makeplist(PlotState& state) {
    std::string text;
    // In brackets and without the terms of rows that did not parse, so that one expression
    // reads them all and a broken row does not make the others a syntax error.
    for (const PointRow& row : state.additional.points.rows) {
        for (const std::string* term : {&row.xterm, &row.yterm}) {
            if (!term->empty()) {
                text += (text.empty() ? "(" : "+(") + *term + ")";
            }
        }
    }
    state.additional.pointstext = text;
}

std::string getliste(const PlotState& state) {
    std::string text;
    for (const PointRow& row : state.additional.points.rows) {
        text += text.empty() ? "" : "\r\n";
        text += row.text + ":" + std::to_string(row.color) + ":" + std::to_string(row.dx) + ":" +
                std::to_string(row.dy);
    }
    return text;
}

void makeliste(PlotState& state, std::string_view text, Ui& ui) {
    PointsWindow& w = state.additional.points;
    w.rows.clear();
    w.current = -1;
    w.topIndex = 0;
    ++w.revision;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        end = end == std::string_view::npos ? text.size() : end;
        PointRow row = parseRecord(text.substr(pos, end - pos), state.mode, ui);
        if (!row.text.empty()) {
            w.rows.push_back(std::move(row));
        }
        pos = end + 2;
    }
    makeplist(state);
}

bool enterPoint(PlotState& state, Ui& ui) {
    PointsWindow& w = state.additional.points;
    const std::string typed = std::string(trimmed(w.input));
    if (typed.empty()) {
        return false;
    }
    int r = findinlist(w.rows, typed);
    if (r < 0) {
        r = onlySelected(w.rows);
    }
    if (r < 0) {
        r = static_cast<int>(w.rows.size());
        w.rows.emplace_back();
    }
    w.rows[r].text = typed;
    makeentry(w.rows[r], state.mode, ui);
    makeplist(state);
    makeCurrent(w, r);
    w.input.clear();
    ++w.revision;
    return true;
}

bool setPointSize(PlotState& state, std::string_view text) {
    const double v = leadingNumber(text);
    if (!(v >= 5 && v <= 30)) {
        return false;
    }
    state.additional.pointsize = static_cast<int16_t>(roundEven(v));
    return true;
}

} // namespace vestrano
