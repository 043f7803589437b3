#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

namespace vestrano {

// The drawing area: shows the persistent picture and hands keys and mouse to its owner.
class PictureBox final : public QWidget {
  public:
    PictureBox(const QImage& picture, QWidget* parent);

    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QMouseEvent*)> onMouseRelease;
    std::function<void(QKeyEvent*)> onKeyPress;
    std::function<void(QKeyEvent*)> onKeyRelease;
    std::function<void(QWheelEvent*)> onWheel;
    std::function<void()> onFocusOut;
    // Just before the picture is shown: the last touches to it.
    std::function<void()> beforePaint;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    const QImage& picture_;
};

} // namespace vestrano
