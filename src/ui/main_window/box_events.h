#pragma once

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vestrano {

// Return or the keypad's Enter, pressed or released.
inline bool isEnterKey(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Leaving a box for a message box, a menu or another program is no entry; leaving it for
// another control is.
inline bool leftForControl(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// After a message about a box: the message box had the focus; the next keys belong in the box it
// spoke of and replace its text.
inline void focusRefusedBox(QLineEdit& box) {
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

} // namespace vestrano
