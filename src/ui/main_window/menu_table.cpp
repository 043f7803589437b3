#include "ui/main_window/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtGlobal>

#include <map>
#include <set>
#include <string>

namespace vestrano {

namespace {

QMenu* openMenu(QMenuBar& bar, QMenu* menu, const MenuRow& row) {
    const QString caption = QString::fromUtf8(row.caption);
    QMenu* opened = menu ? menu->addMenu(caption) : bar.addMenu(caption);
    opened->setObjectName(row.name);
    opened->menuAction()->setObjectName(QString(row.name) + "_action");
    return opened;
}

QAction* addItem(QMenu& menu, const MenuRow& row) {
    QAction* action = row.kind == MenuRow::Kind::Separator
                          ? menu.addSeparator()
                          : menu.addAction(QString::fromUtf8(row.caption));
    action->setObjectName(row.name);
    action->setCheckable(static_cast<bool>(row.checked));
    if (*row.keys) {
        action->setShortcut(QKeySequence(row.keys));
    }
    if (row.run) {
        QObject::connect(action, &QAction::triggered, action, [run = row.run] { run(); });
    }
    return action;
}

} // namespace

std::vector<QAction*> buildMenus(QMenuBar& bar, const std::vector<MenuRow>& rows) {
    std::map<std::string, QMenu*> menus;
    std::set<std::string> names;
    std::vector<QAction*> actions;
    for (const MenuRow& row : rows) {
        if (!names.insert(row.name).second) {
            qFatal("menu table: %s appears twice", row.name);
        }
        QMenu* menu = nullptr;
        if (row.menu) {
            const auto found = menus.find(row.menu);
            if (found == menus.end()) {
                qFatal("menu table: %s goes into %s, which is no menu before it", row.name,
                       row.menu);
            }
            menu = found->second;
        } else if (row.kind != MenuRow::Kind::Menu) {
            qFatal("menu table: %s is no menu and stands in the bar", row.name);
        }
        if (row.kind == MenuRow::Kind::Menu) {
            menus[row.name] = openMenu(bar, menu, row);
            actions.push_back(menus[row.name]->menuAction());
            continue;
        }
        actions.push_back(addItem(*menu, row));
    }
    return actions;
}

QAction& menuAction(const QMenuBar& bar, const char* name) {
    auto* action = bar.findChild<QAction*>(name);
    if (!action) {
        qFatal("menu table: no row %s", name);
    }
    return *action;
}

void refreshMenus(const std::vector<MenuRow>& rows, const std::vector<QAction*>& actions) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].checked) {
            actions[i]->setChecked(rows[i].checked());
        }
        if (rows[i].shown) {
            actions[i]->setVisible(rows[i].shown());
        }
        if (rows[i].text) {
            const QString caption = QString::fromStdString(rows[i].text());
            if (actions[i]->text() != caption) {
                actions[i]->setText(caption);
            }
        }
        if (rows[i].enabled) {
            actions[i]->setEnabled(rows[i].enabled());
        }
    }
}

} // namespace vestrano
