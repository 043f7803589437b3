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
    onHelp_(static_cast<const QWidget*>(watched));
    return true;
}

} // namespace vestrano
