#pragma once

class QEvent;
class QMdiArea;
class QMdiSubWindow;
class QString;
class QWidget;

namespace vestrano {

// Puts `content` into a small tool window of the main window: a title and a close box, no
// icon, no minimise or maximise box. The window starts hidden and survives its close box;
// whoever owns it decides what closing means.
QMdiSubWindow* addToolWindow(QMdiArea& mdi, QWidget* content);

// A close box pressed on `window` hides it instead: Qt would close its contents as well and
// show an empty frame when it comes back, and the texts typed into it would be lost. True when
// `event` was such a close.
bool hideInsteadOfClosing(QWidget& window, QEvent* event);

// The width in pixels at which the window's title bar shows the whole of `caption`.
int captionWidth(const QMdiSubWindow& window, const QString& caption);

} // namespace vestrano
