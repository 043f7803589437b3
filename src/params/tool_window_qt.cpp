#include "params/tool_window_qt.h"

#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

namespace vestrano {

QMdiSubWindow* addToolWindow(QMdiArea& mdi, QWidget* content) {
    // The close box needs the system menu; its icon stays empty.
    QMdiSubWindow* window =
        mdi.addSubWindow(content, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                      Qt::WindowCloseButtonHint);
    QPixmap blank(1, 1);
    blank.fill(Qt::transparent);
    window->setWindowIcon(QIcon(blank));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->hide();
    return window;
}

} // namespace vestrano
