#include "ui/main_window/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vestrano {

PictureBox::PictureBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setObjectName("Picture1");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Only what needs painting: on a large screen every full pass over the picture shows.
void PictureBox::paintEvent(QPaintEvent* event) {
    if (beforePaint) {
        beforePaint();
    }
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect covered(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    if (picture_.isNull() || !covered.contains(area)) {
        painter.fillRect(area, Qt::white);
    }
    if (!picture_.isNull()) {
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (onMousePress) {
        onMousePress(event);
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) {
        onMouseMove(event);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseRelease) {
        onMouseRelease(event);
    }
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (onKeyPress) {
        onKeyPress(event);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::keyReleaseEvent(QKeyEvent* event) {
    if (onKeyRelease) {
        onKeyRelease(event);
    }
    QWidget::keyReleaseEvent(event);
}

void PictureBox::wheelEvent(QWheelEvent* event) {
    if (!onWheel) {
        QWidget::wheelEvent(event);
        return;
    }
    onWheel(event);
    event->accept();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    if (onFocusOut) {
        onFocusOut();
    }
    QWidget::focusOutEvent(event);
}

} // namespace vestrano
