#include "ui/main_window/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>

namespace vestrano {

namespace {

bool menuUses(const QMenuBar& menu, const QKeySequence& keys) {
    const QList<QAction*> actions = menu.findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [&keys](const QAction* action) {
        return action->isEnabled() && action->isVisible() && action->shortcuts().contains(keys);
    });
}

// Strg+Z and Strg+Umschalt+Z undo and redo the typing of a box that holds typing not yet
// taken over (its windows mark a take-over by clearing `modified`); the menu's undo comes after.
bool boxUndoes(const QWidget* widget, const QKeySequence& keys) {
    const auto* box = qobject_cast<const QLineEdit*>(widget);
    if (!box || !box->isModified()) {
        return false;
    }
    if (keys == QKeySequence(Qt::CTRL | Qt::Key_Z)) {
        return box->isUndoAvailable();
    }
    return keys == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) && box->isRedoAvailable();
}

} // namespace

MenuKeys::MenuKeys(QMenuBar& menu) : menu_(menu) {
    qApp->installEventFilter(this);
}

MenuKeys::~MenuKeys() {
    qApp->removeEventFilter(this);
}

// A box claims a key by accepting its ShortcutOverride; left unaccepted, the key goes to the
// shortcut of the menu item.
bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != menu_.window()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    const QKeySequence keys(key->keyCombination());
    if (!menuUses(menu_, keys) || boxUndoes(widget, keys)) {
        return false;
    }
    event->ignore();
    return true;
}

} // namespace vestrano
