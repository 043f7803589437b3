#pragma once

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenuBar;

namespace vestrano {

// One row of a window's menu table, in the order the menus show them: a menu (in the bar when
// `menu` is null), an item, or a separator. Every row carries its object name.
struct MenuRow {
    enum class Kind { Menu, Item, Separator };
    Kind kind;
    const char* menu; // object name of the menu the row goes into
    const char* name;
    const char* caption = "";
    const char* keys = "";
    std::function<void()> run = {};
    // Given: a checkable item whose mark shows this.
    std::function<bool()> checked = {};
    // Given: the row is there only while this holds.
    std::function<bool()> shown = {};
    // Given: the caption follows the state (UTF-8), and the item works only while this holds.
    std::function<std::string()> text = {};
    std::function<bool()> enabled = {};
};

inline MenuRow menuRow(const char* menu, const char* name, const char* caption) {
    return {MenuRow::Kind::Menu, menu, name, caption};
}
inline MenuRow itemRow(const char* menu, const char* name, const char* caption,
                       std::function<void()> run, const char* keys = "") {
    return {MenuRow::Kind::Item, menu, name, caption, keys, std::move(run)};
}
inline MenuRow checkRow(const char* menu, const char* name, const char* caption,
                        std::function<void()> run, std::function<bool()> checked) {
    return {MenuRow::Kind::Item, menu, name, caption, "", std::move(run), std::move(checked)};
}
// An item whose caption names what it would do, disabled while there is nothing to do.
inline MenuRow liveRow(const char* menu, const char* name, const char* caption, const char* keys,
                       std::function<void()> run, std::function<std::string()> text,
                       std::function<bool()> enabled) {
    MenuRow row = itemRow(menu, name, caption, std::move(run), keys);
    row.text = std::move(text);
    row.enabled = std::move(enabled);
    return row;
}
inline MenuRow separatorRow(const char* menu, const char* name) {
    return {MenuRow::Kind::Separator, menu, name};
}

// Builds the rows into `bar` and returns their actions, one per row (a menu's is its
// menuAction). A row in a menu that no earlier row opened, or a name used twice, is a fault of
// the table: the program stops at start with that name rather than show a broken menu.
std::vector<QAction*> buildMenus(QMenuBar& bar, const std::vector<MenuRow>& rows);

// The action of the row named `name`; a name no row has stops the program.
QAction& menuAction(const QMenuBar& bar, const char* name);

// Puts the check marks, the presence, the captions and the enabled state of the rows as their
// functions say.
void refreshMenus(const std::vector<MenuRow>& rows, const std::vector<QAction*>& actions);

} // namespace vestrano
