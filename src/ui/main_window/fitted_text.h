#pragma once

#include <QLabel>
#include <QString>

#include <algorithm>

namespace vestrano {

// Shows `full` in the label, ended by "…" where it is too wide; the tip then shows all of it.
inline void showFitted(QLabel& label, const QString& full) {
    const int room = label.contentsRect().width() - 2 * std::max(label.indent(), 0);
    const QString shown = label.fontMetrics().elidedText(full, Qt::ElideRight, room);
    label.setText(shown);
    label.setToolTip(shown == full ? QString() : full);
}

} // namespace vestrano
