#include "ui/params/para.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

#include "params/animation.h"
#include "params/param_arithmetic.h"
#include "params/param_design.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/user_step.h"
#include "ui/canvas/qt_colour.h"
#include "ui/canvas/qt_fonts.h"
#include "ui/main_window/box_events.h"
#include "ui/main_window/twips.h"
#include "ui/params/para_clock.h"

namespace vestrano {

namespace {

constexpr double kValuePointSize = 8.25;

} // namespace

Para::Para(ProgramContext& ctx, int slot, QWidget* parent)
    : QWidget(parent), ctx_(ctx), slot_(slot) {
    setObjectName("para_" + QString::number(slot));
    setProperty("Index", slot);
    buildControls();
    render();
}

QLineEdit* Para::makeBox(const char* name, Qt::Alignment alignment) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAlignment(alignment);
    box->setToolTip(QString::fromUtf8(kParamTextTip));
    box->setProperty("helpContext", kParaHelpContext);
    box->installEventFilter(this);
    return box;
}

void Para::buildControls() {
    // In the order of Box: lower, upper, value.
    boxes_ = {makeBox("Text1", Qt::AlignLeft | Qt::AlignVCenter),
              makeBox("Text2", Qt::AlignRight | Qt::AlignVCenter),
              makeBox("Text3", Qt::AlignCenter)};
    for (Box b : {Box::Lower, Box::Upper}) {
        box(b)->setFrame(false);
        QPalette palette = box(b)->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        box(b)->setPalette(palette);
    }
    // The named face of the value box is a Windows one; Arial's stand-in is the closest.
    QFont bold(installedFace("Arial"));
    bold.setPointSizeF(kValuePointSize);
    bold.setBold(true);
    box(Box::Value)->setFont(bold);
    // While its timer runs the value box is disabled, but the moving value must stay legible.
    QPalette valuePalette = box(Box::Value)->palette();
    valuePalette.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 90, 90));
    box(Box::Value)->setPalette(valuePalette);

    bar_ = new QScrollBar(Qt::Horizontal, this);
    bar_->setObjectName("HScroll1");
    bar_->setRange(0, 1000);
    bar_->setSingleStep(1);
    bar_->setPageStep(10);
    bar_->setProperty("helpContext", kParaHelpContext);
    // A click on the bar takes the focus from the boxes, so that the keys move the bar
    // instead of typing into a bound.
    bar_->setFocusPolicy(Qt::StrongFocus);
    // Scroll bars turn their keys round for vertical use; this one lies flat, so Right and
    // Page Up raise the value.
    bar_->setInvertedControls(false);
    // Program-made moves are set with signals blocked: only the user's moves get here.
    connect(bar_, &QScrollBar::valueChanged, this,
            [this](int pos) { scrollPara(ctx_, slot_, pos); });
    // A drag of the bar is one step, from the press to the release.
    connect(bar_, &QScrollBar::sliderPressed, this, [this] { beginStep(ctx_, UserStep::Unnamed); });
    connect(bar_, &QScrollBar::sliderReleased, this, [this] { endStep(ctx_); });

    clock_ = new ParaClock(this);
    clock_->setToolTip(QString::fromUtf8(kParamTimerTip));
    clock_->setProperty("helpContext", kParaHelpContext);
    clock_->onPress = [this](int buttons) {
        if (timerClick(ctx_.state, ctx_.ui, slot_, buttons) && onTimerDialog) {
            onTimerDialog(slot_);
        }
    };
}

void Para::detach() {
    for (QLineEdit* box : boxes_) {
        box->removeEventFilter(this);
    }
    bar_->disconnect(this);
    clock_->onPress = nullptr;
}

void Para::render() {
    const ParamWindow& w = ctx_.state.params[slot_].window;
    setWindowTitle(qtText(w.caption));
    showText(Box::Lower, w.lowerText);
    showText(Box::Upper, w.upperText);
    showText(Box::Value, w.valueText);
    box(Box::Lower)->setReadOnly(w.boundsLocked);
    box(Box::Upper)->setReadOnly(w.boundsLocked);
    if (bar_->value() != w.barpos) {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(w.barpos);
    }
    QPalette palette = box(Box::Value)->palette();
    if (palette.color(QPalette::Base) != qtColor(w.valueColor)) {
        palette.setColor(QPalette::Base, qtColor(w.valueColor));
        box(Box::Value)->setPalette(palette);
    }
    const bool running = timerRunning(ctx_.state, slot_);
    clock_->setRunning(running);
    for (QLineEdit* box : boxes_) {
        box->setEnabled(!running);
    }
}

void Para::showText(Box b, const std::string& text) {
    std::optional<std::string>& shown = shown_[static_cast<std::size_t>(b)];
    if (shown == text) {
        return;
    }
    shown = text;
    box(b)->setText(qtText(text));
    box(b)->setCursorPosition(0);
}

void Para::entered(Box which) {
    const auto text = [this](Box b) { return box(b)->text().toStdString(); };
    entering_ = true;
    // Whatever the core decides the boxes show afterwards, even the texts they showed before.
    shown_ = {};
    if (which == Box::Value) {
        enterValue(ctx_, slot_, text(Box::Value));
    } else {
        chpari(ctx_, slot_, text(Box::Lower), text(Box::Upper));
    }
    entering_ = false;
    render();
}

std::optional<Para::Box> Para::boxOf(const QObject* object) const {
    const auto found = std::find(boxes_.begin(), boxes_.end(), object);
    if (found == boxes_.end()) {
        return std::nullopt;
    }
    return static_cast<Box>(found - boxes_.begin());
}

bool Para::eventFilter(QObject* watched, QEvent* event) {
    const std::optional<Box> b = boxOf(watched);
    if (!b) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isEnterKey(event)) {
            entered(*b);
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (!entering_ && box(*b)->isEnabled() && leftForControl(event)) {
            entered(*b);
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (*b != Box::Value && onCascade) {
            onCascade(cascadeParamWindows(ctx_.state, slot_, *b == Box::Upper));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Para::placeControls(const ParaLayout& layout) {
    layout_ = layout;
    layoutControls();
}

void Para::resizeEvent(QResizeEvent*) {
    layoutControls();
}

// The designed places, squeezed in height when the frame leaves less room than designed.
void Para::layoutControls() {
    const int tpp = twipsPerPixel(*this);
    const double squeeze =
        std::min(1.0, static_cast<double>(toTwips(height(), tpp)) / kParaClient.height);
    const auto place = [&](QWidget* w, const TwipRect& d, int left, int width) {
        const auto y = [&](int twips) { return static_cast<int>(twips * squeeze); };
        w->setGeometry(pixelRect({left, y(d.top), width, y(d.height)}, tpp));
    };
    const bool laidOut = layout_.barWidth > 0;
    place(box(Box::Lower), kParaLower, kParaLower.left, kParaLower.width);
    place(box(Box::Upper), kParaUpper, laidOut ? layout_.upperLeft : kParaUpper.left,
          kParaUpper.width);
    place(bar_, kParaBar, kParaBar.left, laidOut ? layout_.barWidth : kParaBar.width);
    place(box(Box::Value), kParaValue, kParaValue.left,
          laidOut ? layout_.valueWidth : kParaValue.width);
    place(clock_, kParaClock, laidOut ? layout_.clockLeft : kParaClock.left, kParaClock.width);
}

} // namespace vestrano
