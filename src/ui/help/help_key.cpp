#include "ui/help/help_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vestrano {

HelpKey::HelpKey(std::function<void(const QWidget*)> onHelp) : onHelp_(std::move(onHelp)) {
    qApp->installEventFilter(this);
}

HelpKey::~HelpKey() {
    qApp->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // One key event reaches the filter once per widget it passes; the first one counts.
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier ||
        !watched->isWidgetType()) {
        return false;
    }
    const auto* focus = static_cast<const QWidget*>(watched);
    // An open menu asks for its own help and makes way for it.
    for (QWidget* closed = nullptr; QWidget* popup = QApplication::activePopupWidget();
         closed = popup) {
        if (popup == closed) {
            break; // it would not close
        }
        popup->close();
    }
    onHelp_(focus);
    return true;
}

} // namespace vestrano
