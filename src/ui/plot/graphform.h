#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include "state/program_context.h"
#include "ui/canvas/qt_canvas.h"

class QKeyEvent;
class QMouseEvent;
class QTimer;
class QScrollBar;
class QWheelEvent;

namespace vestrano {

class ClickLabel;
class PictureBox;

// The graph window: the drawing area with its persistent picture, the two scroll bars, the
// zoom button, the position display and the "1:1" button. It draws through the core's redraw
// and shows the result; every event goes to the core.
class GraphForm final : public QWidget, public Redrawer {
  public:
    explicit GraphForm(ProgramContext& ctx, QWidget* parent = nullptr);

    // The core's redraw on the picture, then shown.
    void redraw() override;
    // Shows what the last drawing left in the picture.
    void showPicture();
    // The caption follows the mode.
    void refreshCaption();

    QtCanvas& canvas() { return canvas_; }
    const QImage& picture() const { return picture_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void connectScrollBars();
    void resizePicture(const QSize& size);
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void keyPressed(QKeyEvent* event);
    void wheelTurned(QWheelEvent* event);
    bool dragMoved(QMouseEvent* event);
    double twipsX(const QMouseEvent* event) const;
    double twipsY(const QMouseEvent* event) const;

    ProgramContext& ctx_;
    QImage picture_;
    QtCanvas canvas_{picture_};
    PictureBox* picture1_ = nullptr;
    QScrollBar* hscroll_ = nullptr;
    QScrollBar* vscroll_ = nullptr;
    ClickLabel* zoomButton_ = nullptr;
    ClickLabel* position_ = nullptr;
    ClickLabel* aspect_ = nullptr;
    int16_t tpp_ = 15;
    bool spaceHeld_ = false;
    // The button that started a drag of the view, 0 when none; the gesture is the drag's until
    // that button is released.
    int dragButton_ = 0;
    QPointF dragStart_;
    QElapsedTimer shown_;         // since the picture was last given to the screen
    QTimer* nextFrame_ = nullptr; // gives it the picture a running timer drew meanwhile
};

} // namespace vestrano
