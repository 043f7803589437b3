// A menu built from its table: every row where the table puts it, a wrong table stops the
// program at start.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "ui/main_window/menu_table.h"
#include "window_fixture.h"

namespace vestrano {

namespace {

struct Flags {
    int runs = 0;
    bool checked = false;
    bool shown = true;
};

std::vector<MenuRow> table(Flags& flags) {
    MenuRow check = checkRow(
        "m_sub", "m_check", "&Prüfen", [&flags] { ++flags.runs; },
        [&flags] { return flags.checked; });
    MenuRow gap = separatorRow("m_top", "m_gap");
    gap.shown = [&flags] { return flags.shown; };
    return {
        menuRow(nullptr, "m_top", "&Oben"),
        itemRow(
            "m_top", "m_run", "&Ausführen", [&flags] { ++flags.runs; }, "Ctrl+H"),
        gap,
        menuRow("m_top", "m_sub", "Unter&menü"),
        check,
        menuRow(nullptr, "m_last", "&Letztes"),
    };
}

} // namespace

TEST(MenuTable, EveryRowBecomesItsActionInItsMenu) {
    Flags flags;
    const std::vector<MenuRow> rows = table(flags);
    QMenuBar bar;
    const std::vector<QAction*> actions = buildMenus(bar, rows);
    ASSERT_EQ(actions.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        const bool menu = row.kind == MenuRow::Kind::Menu;
        EXPECT_EQ(actions[i]->objectName(), menu ? QString(row.name) + "_action" : row.name);
        EXPECT_EQ(actions[i]->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(actions[i]->shortcut(), QKeySequence(row.keys)) << row.name;
        EXPECT_EQ(actions[i]->isSeparator(), row.kind == MenuRow::Kind::Separator) << row.name;
        EXPECT_EQ(actions[i]->isCheckable(), static_cast<bool>(row.checked)) << row.name;
        const QList<QAction*> siblings =
            row.menu ? findIn<QMenu>(bar, row.menu)->actions() : bar.actions();
        EXPECT_TRUE(siblings.contains(actions[i])) << row.name << " in its menu";
    }
    EXPECT_EQ(findIn<QMenu>(bar, "m_top")->actions().size(), 3);
    EXPECT_EQ(bar.actions().size(), 2);

    findIn<QAction>(bar, "m_run")->trigger();
    findIn<QAction>(bar, "m_check")->trigger();
    EXPECT_EQ(flags.runs, 2);

    // The marks and the presence follow the functions, not Qt's toggling.
    flags.shown = false;
    refreshMenus(rows, actions);
    EXPECT_FALSE(findIn<QAction>(bar, "m_check")->isChecked());
    EXPECT_FALSE(findIn<QAction>(bar, "m_gap")->isVisible());
    flags = {0, true, true};
    refreshMenus(rows, actions);
    EXPECT_TRUE(findIn<QAction>(bar, "m_check")->isChecked());
    EXPECT_TRUE(findIn<QAction>(bar, "m_gap")->isVisible());
    EXPECT_EQ(&menuAction(bar, "m_check"), findIn<QAction>(bar, "m_check"));
}

TEST(MenuTableDeathTest, AWrongTableStopsTheProgramWithTheRowsName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Flags flags;
    const auto build = [&flags](const std::function<void(std::vector<MenuRow>&)>& spoil) {
        std::vector<MenuRow> rows = table(flags);
        spoil(rows);
        QMenuBar bar;
        buildMenus(bar, rows);
    };
    // A misspelled menu name.
    EXPECT_DEATH(build([](std::vector<MenuRow>& rows) { rows[1].menu = "m_tpo"; }),
                 "m_run goes into m_tpo");
    // A menu used before the row that opens it.
    EXPECT_DEATH(build([](std::vector<MenuRow>& rows) { std::swap(rows[3], rows[4]); }),
                 "m_check goes into m_sub");
    EXPECT_DEATH(build([](std::vector<MenuRow>& rows) { rows[5].name = "m_gap"; }),
                 "m_gap appears twice");
    EXPECT_DEATH(build([](std::vector<MenuRow>& rows) { rows[1].menu = nullptr; }),
                 "m_run is no menu");
    QMenuBar bar;
    buildMenus(bar, table(flags));
    EXPECT_DEATH(menuAction(bar, "m_chekc"), "no row m_chekc");
}

using ProgramMenu = Windows;

TEST_F(ProgramMenu, EveryRowHasItsOwnNameAndEveryItemACaption) {
    QList<QAction*> rows = mother->menuBar()->actions();
    for (const QMenu* menu : mother->menuBar()->findChildren<QMenu*>()) {
        // The bar's own menu of the items that do not fit has no name.
        if (!menu->objectName().isEmpty()) {
            rows += menu->actions();
        }
    }
    QStringList names;
    for (const QAction* action : rows) {
        ASSERT_FALSE(action->objectName().isEmpty()) << action->text().toStdString();
        EXPECT_FALSE(names.contains(action->objectName())) << action->objectName().toStdString();
        names.push_back(action->objectName());
        EXPECT_NE(action->isSeparator(), !action->text().isEmpty()) << names.back().toStdString();
    }
    EXPECT_EQ(names.size(), 80);
}

} // namespace vestrano
