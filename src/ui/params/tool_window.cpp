#include "ui/params/tool_window.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionTitleBar>

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

bool hideInsteadOfClosing(QWidget& window, QEvent* event) {
    if (event->type() != QEvent::Close) {
        return false;
    }
    event->ignore();
    window.hide();
    return true;
}

int captionWidth(const QMdiSubWindow& window, const QString& caption) {
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    option.text = caption;
    option.titleBarFlags = window.windowFlags();
    option.subControls = QStyle::SC_All;
    const QStyle* style = window.style();
    option.rect = QRect(0, 0, window.width(),
                        style->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window));
    const QRect label =
        style->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, &window);
    // Styles may write the title in bold and keep a margin inside the label.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    constexpr int kLabelMargin = 16;
    return window.width() - label.width() + QFontMetrics(font).horizontalAdvance(option.text) +
           kLabelMargin;
}

} // namespace vestrano
