#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/plain_text.h"
#include "state/ui.h"
#include "terms/text_replace.h"

namespace vestrano {

// List operations shared by the lines and the points window; a row has `text` and
// `selected`.

// The first row whose text equals `text`, outer blanks ignored; with `anyBlanks` every blank
// is ignored, so that "y = 2*x" finds "y=2*x". -1 when none.
template <class Row>
int findinlist(const std::vector<Row>& rows, std::string_view text, bool anyBlanks = false) {
    const auto key = [anyBlanks](std::string_view t) {
        std::string k = std::string(trimmed(t));
        if (anyBlanks) {
            std::erase(k, ' ');
        }
        return k;
    };
    const std::string wanted = key(text);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (key(rows[i].text) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The selected row when exactly one is selected, else -1.
template <class Row> int onlySelected(const std::vector<Row>& rows) {
    int found = -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].selected) {
            continue;
        }
        if (found >= 0) {
            return -1;
        }
        found = static_cast<int>(i);
    }
    return found;
}

// Removes the selected rows; false when none was selected.
template <class Row> bool removeSelected(std::vector<Row>& rows) {
    const auto removed = std::erase_if(rows, [](const Row& row) { return row.selected; });
    return removed > 0;
}

// Keeps the current row and the first visible one within the list after rows went away.
template <class Window> void clampRows(Window& w) {
    const int count = static_cast<int>(w.rows.size());
    w.current = std::min(w.current, count - 1);
    w.topIndex = std::clamp(w.topIndex, 0, std::max(0, count - 1));
}

// Row `r` becomes the current row with nothing selected: a selected row would be replaced by
// the next line typed instead of getting a new one beside it.
template <class Window> void makeCurrent(Window& w, int r) {
    for (auto& row : w.rows) {
        row.selected = false;
    }
    w.current = r;
}

// The colour dialog for visible row k (the first visible row plus k); true when a colour was
// chosen. Cancel changes nothing.
template <class Window> bool recolourRow(Ui& ui, Window& w, int k) {
    const int r = w.topIndex + k;
    if (k < 0 || r >= static_cast<int>(w.rows.size())) {
        return false;
    }
    const auto chosen = ui.chooseColor(static_cast<uint32_t>(w.rows[r].color));
    if (!chosen) {
        return false;
    }
    w.rows[r].color = static_cast<int32_t>(*chosen & 0xFFFFFF);
    ++w.revision;
    return true;
}

} // namespace vestrano
