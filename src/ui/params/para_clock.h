#pragma once

#include <QWidget>

#include <functional>

namespace vestrano {

// The clock of a parameter window (`Image1`): a small drawn clock that shows a border and a
// green face while the slot's timer runs, and reports mouse presses with the buttons held
// (1 left, 2 right, added).
class ParaClock final : public QWidget {
  public:
    explicit ParaClock(QWidget* parent);

    void setRunning(bool running);
    bool running() const { return running_; }

    std::function<void(int buttons)> onPress;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click is no new press: the timer switches once.
    void mouseDoubleClickEvent(QMouseEvent*) override {}

  private:
    bool running_ = false;
};

} // namespace vestrano
