#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace vestrano {

// A label that reports a mouse release on itself: the zoom button, "1:1", the position.
class ClickLabel final : public QLabel {
  public:
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}
    std::function<void(QMouseEvent*)> onRelease;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onRelease && rect().contains(event->position().toPoint())) {
            onRelease(event);
        }
    }
};

} // namespace vestrano
