#include "ui/params/para_clock.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "params/coupling.h"

namespace vestrano {

namespace {

const QColor kFace(255, 255, 240);
const QColor kRunningFace(200, 245, 200);
const QColor kRim(70, 70, 90);
const QColor kBorder(40, 40, 40);

// A point on the clock at `fraction` of a full turn from twelve o'clock.
QPointF onDial(QPointF centre, double radius, double fraction) {
    const double angle = 2 * std::numbers::pi * fraction;
    return centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

void drawClock(QPainter& p, QRectF area, bool running) {
    const double r = std::min(area.width(), area.height()) / 2 - 1;
    const QPointF c = area.center();
    // The two bells on top make it an alarm clock, a timer.
    p.setPen(QPen(kRim, 1));
    p.setBrush(kRim);
    p.drawEllipse(onDial(c, r * 0.95, -0.11), r * 0.22, r * 0.22);
    p.drawEllipse(onDial(c, r * 0.95, 0.11), r * 0.22, r * 0.22);
    p.setBrush(running ? kRunningFace : kFace);
    p.setPen(QPen(kRim, std::max(1.0, r / 7)));
    p.drawEllipse(c, r * 0.85, r * 0.85);
    p.setPen(QPen(kRim, 1));
    for (int hour = 0; hour < 12; hour += 3) {
        p.drawLine(onDial(c, r * 0.62, hour / 12.0), onDial(c, r * 0.75, hour / 12.0));
    }
    p.setPen(QPen(Qt::black, std::max(1.0, r / 8), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, onDial(c, r * 0.45, 10 / 12.0));
    p.drawLine(c, onDial(c, r * 0.65, 0.0));
    if (running) {
        p.setPen(QPen(QColor(200, 0, 0), 1));
        p.drawLine(c, onDial(c, r * 0.7, 4 / 12.0));
    }
}

} // namespace

ParaClock::ParaClock(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setCursor(Qt::PointingHandCursor);
}

void ParaClock::setRunning(bool running) {
    if (running_ == running) {
        return;
    }
    running_ = running;
    update();
}

void ParaClock::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (running_) {
        p.setPen(QPen(kBorder, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        area.adjust(1, 1, -1, -1);
    }
    drawClock(p, area, running_);
}

void ParaClock::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButtons b = event->buttons();
    const int buttons = (b.testFlag(Qt::LeftButton) ? kButtonLeft : 0) |
                        (b.testFlag(Qt::RightButton) ? kButtonRight : 0);
    if (onPress && buttons != 0) {
        onPress(buttons);
    }
}

} // namespace vestrano
