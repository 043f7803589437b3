#include "ui/plot/graphform.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "app/graph_mouse.h"
#include "app/graph_overlay.h"
#include "app/graph_resize.h"
#include "params/coupling.h"
#include "plot/einszueins.h"
#include "plot/graph_keys.h"
#include "plot/graph_layout.h"
#include "plot/mouse_position.h"
#include "plot/navigation.h"
#include "plot/redraw.h"
#include "plot/view_drag.h"
#include "state/plot_state.h"
#include "state/user_step.h"
#include "ui/canvas/qt_fonts.h"
#include "ui/main_window/click_label.h"
#include "ui/main_window/picture_box.h"
#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

constexpr int kScrollBarTwips = 255;
constexpr int kScrollRange = 10;

int keyCode(const QKeyEvent* event) {
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // the "+" key of an English keyboard
        return keypad ? kKeyPadPlus : kKeyPlus;
    case Qt::Key_Minus:
        return keypad ? kKeyPadMinus : kKeyMinus;
    case Qt::Key_X:
        return kKeyX;
    case Qt::Key_Y:
        return kKeyY;
    case Qt::Key_2:
        return keypad ? kKeyPad2 : 0;
    case Qt::Key_4:
        return keypad ? kKeyPad4 : 0;
    case Qt::Key_6:
        return keypad ? kKeyPad6 : 0;
    case Qt::Key_8:
        return keypad ? kKeyPad8 : 0;
    default:
        return 0;
    }
}

int shiftState(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? kModShift : 0) |
           (m.testFlag(Qt::ControlModifier) ? kModCtrl : 0) |
           (m.testFlag(Qt::AltModifier) ? kModAlt : 0);
}

int buttonsOf(Qt::MouseButtons b) {
    return (b.testFlag(Qt::LeftButton) ? kButtonLeft : 0) |
           (b.testFlag(Qt::RightButton) ? kButtonRight : 0) |
           (b.testFlag(Qt::MiddleButton) ? kButtonMiddle : 0);
}

// The zoom button's picture: a magnifying glass.
QPixmap magnifier(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = size * 0.28;
    const QPointF centre(size * 0.42, size * 0.42);
    p.setPen(QPen(Qt::black, std::max(1.0, size / 10.0)));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Qt::black, std::max(2.0, size / 6.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(r * 0.75, r * 0.75), QPointF(size * 0.88, size * 0.88));
    return pixmap;
}

} // namespace

GraphForm::GraphForm(ProgramContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("graphform");
    buildControls();
    connectScrollBars();
    refreshCaption();
}

void GraphForm::buildControls() {
    picture1_ = new PictureBox(picture_, this);
    picture1_->onMousePress = [this](QMouseEvent* e) { mousePressed(e); };
    picture1_->onMouseMove = [this](QMouseEvent* e) { mouseMoved(e); };
    picture1_->onMouseRelease = [this](QMouseEvent* e) { mouseReleased(e); };
    picture1_->onKeyPress = [this](QKeyEvent* e) { keyPressed(e); };
    picture1_->onKeyRelease = [this](QKeyEvent* e) {
        if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
            spaceHeld_ = false;
        }
    };
    picture1_->onWheel = [this](QWheelEvent* e) { wheelTurned(e); };
    picture1_->onFocusOut = [this] { spaceHeld_ = false; };
    nextFrame_ = new QTimer(this);
    nextFrame_->setSingleShot(true);
    connect(nextFrame_, &QTimer::timeout, this, [this] {
        shown_.start();
        picture1_->update();
    });
    picture1_->beforePaint = [this] {
        if (settleCurvePoints(ctx_.state, canvas_, ctx_.ui)) {
            canvas_.flush();
        }
    };

    zoomButton_ = new ClickLabel(this);
    zoomButton_->setObjectName("Image1");
    zoomButton_->setToolTip("Links oder rechts klicken für Zoom");
    zoomButton_->setAlignment(Qt::AlignCenter);
    zoomButton_->onRelease = [this](QMouseEvent* e) {
        const Viewport& v = ctx_.state.view;
        zoom(ctx_, buttonsOf(e->button()), kModCtrl | kModAlt, v.picw / 2, v.pich / 2);
    };

    position_ = new ClickLabel(this);
    position_->setObjectName("Label1");
    QFont font(installedFace("Arial"));
    font.setPointSize(8);
    position_->setFont(font);
    position_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    position_->onRelease = [this](QMouseEvent*) { showAreaSize(ctx_.state, ctx_.ui); };

    aspect_ = new ClickLabel(this);
    aspect_->setObjectName("Label2");
    aspect_->setText("1:1");
    aspect_->setFont(font);
    aspect_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aspect_->setToolTip("Links oder rechts anklicken für Skalierungsverhältnis 1:1");
    aspect_->onRelease = [this](QMouseEvent* e) { einszueins(ctx_, buttonsOf(e->button())); };
}

// Each move of a bar shifts the view by the bar's value in percent of the span; the bar then
// goes back to rest in the middle.
void GraphForm::connectScrollBars() {
    hscroll_ = new QScrollBar(Qt::Horizontal, this);
    vscroll_ = new QScrollBar(Qt::Vertical, this);
    hscroll_->setObjectName("HScroll1");
    vscroll_->setObjectName("VScroll1");
    for (QScrollBar* bar : {hscroll_, vscroll_}) {
        bar->setRange(-kScrollRange, kScrollRange);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(0);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    // A drag of a bar is one step, from the press to the release.
    for (QScrollBar* bar : {hscroll_, vscroll_}) {
        connect(bar, &QScrollBar::sliderPressed, this,
                [this] { beginStep(ctx_, UserStep::Unnamed); });
        connect(bar, &QScrollBar::sliderReleased, this, [this] { endStep(ctx_); });
    }
    connect(hscroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != 0) {
            scrlr(ctx_, static_cast<int16_t>(v));
            hscroll_->setValue(0);
        }
    });
    // The top end of the vertical bar is +10: up moves the view up.
    connect(vscroll_, &QScrollBar::valueChanged, this, [this](int v) {
        if (v != 0) {
            scrud(ctx_, static_cast<int16_t>(-v));
            vscroll_->setValue(0);
        }
    });
}

void GraphForm::refreshCaption() {
    setWindowTitle(qtText(ctx_.state.modenames[ctx_.state.mode == 1 ? 1 : 0]));
}

void GraphForm::redraw() {
    vestrano::redraw(ctx_.state, canvas_, ctx_.ui, drawScreenOverlays);
    // A picture nobody sees is not painted; the window "Kurvenpunkte" still follows it.
    if (!picture1_->isVisible()) {
        settleCurvePoints(ctx_.state, canvas_, ctx_.ui);
    }
}

// While a parameter runs, its timer draws far more pictures than a screen shows; they are
// handed to the screen at most 60 times a second, so that what is done only for a picture
// shown (its points of interest) keeps the screen's pace, not the timer's.
void GraphForm::showPicture() {
    canvas_.flush();
    constexpr qint64 kFrameMs = 16;
    const bool animated = !ctx_.state.timerlist.empty();
    if (animated && shown_.isValid() && shown_.elapsed() < kFrameMs) {
        if (!nextFrame_->isActive()) {
            nextFrame_->start(static_cast<int>(kFrameMs - shown_.elapsed()));
        }
        return;
    }
    shown_.start();
    picture1_->update();
}

void GraphForm::resizeEvent(QResizeEvent*) {
    tpp_ = twipsPerPixel(*this);
    const GraphLayout g = graphLayout(toTwips(width(), tpp_), toTwips(height(), tpp_),
                                      kScrollBarTwips, kScrollBarTwips);
    picture1_->setGeometry(pixelRect(g.picture, tpp_));
    hscroll_->setGeometry(pixelRect(g.hscroll, tpp_));
    vscroll_->setGeometry(pixelRect(g.vscroll, tpp_));
    zoomButton_->setGeometry(pixelRect(g.zoomButton, tpp_));
    zoomButton_->setPixmap(magnifier(std::min(zoomButton_->width(), zoomButton_->height())));
    position_->setGeometry(pixelRect(g.position, tpp_));
    aspect_->setGeometry(pixelRect(g.aspect, tpp_));
    resizePicture(picture1_->size());
    graphResize(ctx_, toTwips(picture1_->width(), tpp_), toTwips(picture1_->height(), tpp_), tpp_,
                tpp_);
}

// A new picture of the drawing area's size, at the screen's pixel density so that lines and
// text stay sharp on a high-resolution screen.
void GraphForm::resizePicture(const QSize& size) {
    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (picture_.size() == pixels && picture_.devicePixelRatio() == ratio) {
        return;
    }
    canvas_.flush();
    QImage fresh(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(Qt::white);
    picture_.swap(fresh);
}

double GraphForm::twipsX(const QMouseEvent* event) const {
    return event->position().x() * tpp_;
}

double GraphForm::twipsY(const QMouseEvent* event) const {
    return event->position().y() * tpp_;
}

// From the press to the release the mouse makes one step: a coupling drag, a zoom or a pan. A
// press that drags the view never reaches the coupling, even when "Zoom sperren" refuses the
// drag; neither does anything else until its button is released.
void GraphForm::mousePressed(QMouseEvent* event) {
    if (dragButton_ != 0) {
        return;
    }
    beginStep(ctx_, UserStep::Unnamed);
    const int button = buttonsOf(event->button());
    if (dragsView(ctx_.state, button, spaceHeld_)) {
        dragButton_ = button;
        dragStart_ = event->position();
        if (beginViewDrag(ctx_)) {
            picture1_->setCursor(Qt::ClosedHandCursor);
        }
        return;
    }
    mouseCouple(ctx_, buttonsOf(event->buttons()), shiftState(event->modifiers()), twipsX(event),
                twipsY(event));
}

void GraphForm::mouseMoved(QMouseEvent* event) {
    position_->setText(qtText(positionText(ctx_.state, twipsX(event), twipsY(event))));
    if (dragMoved(event)) {
        return;
    }
    const int buttons = buttonsOf(event->buttons());
    if (buttons != 0) {
        mouseCouple(ctx_, buttons, shiftState(event->modifiers()), twipsX(event), twipsY(event));
    }
}

bool GraphForm::dragMoved(QMouseEvent* event) {
    if (dragButton_ == 0) {
        return false;
    }
    const QPointF offset = event->position() - dragStart_;
    moveViewDrag(ctx_, offset.x() * tpp_, offset.y() * tpp_);
    return true;
}

void GraphForm::mouseReleased(QMouseEvent* event) {
    if (dragButton_ == 0) {
        zoom(ctx_, buttonsOf(event->button()), shiftState(event->modifiers()), twipsX(event),
             twipsY(event));
        endStep(ctx_);
        return;
    }
    if (buttonsOf(event->button()) == dragButton_) {
        dragButton_ = 0;
        picture1_->unsetCursor();
        endViewDrag(ctx_);
        endStep(ctx_);
    }
}

// Qt turns the wheel into a horizontal one while Alt is held.
void GraphForm::wheelTurned(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int shift = shiftState(event->modifiers());
    const int angle = delta.y() != 0 || (shift & kModAlt) == 0 ? delta.y() : delta.x();
    wheelZoom(ctx_, shift, angle, event->position().x() * tpp_, event->position().y() * tpp_);
}

void GraphForm::keyPressed(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        spaceHeld_ = true;
        return;
    }
    const int code = keyCode(event);
    if (code != 0) {
        graphKey(ctx_, code, shiftState(event->modifiers()));
    }
}

} // namespace vestrano
