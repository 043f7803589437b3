#include "ui/calculator/minicalc.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "app/calculator.h"
#include "app/calculator_layout.h"
#include "params/recalculation.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/main_window/box_events.h"
#include "ui/main_window/fitted_text.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

MiniCalc::MiniCalc(ProgramContext& ctx, QMdiArea& mdi) : ctx_(ctx), mdi_(mdi) {
    setObjectName("minicalc");
    setWindowTitle(QString::fromUtf8(kCalcCaption));
    buildControls();
    sub_ = addToolWindow(mdi_, this);
    sub_->setObjectName("minicalc_window");
    const int tpp = twipsPerPixel(*this);
    sub_->setFixedHeight(toPixels(kCalcHeight, tpp));
    sub_->setMinimumWidth(toPixels(kCalcMinWidth, tpp));
    sub_->resize(toPixels(kCalcStartWidth, tpp), sub_->height());
    sub_->installEventFilter(this);
    refresh();
}

void MiniCalc::buildControls() {
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->installEventFilter(this);
    connect(text1_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ctx_.state.calculator.input = text.toStdString(); });
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label1_->setIndent(3);
    command1_ = makeButton(this, "Command1", kCalcButton);
    connect(command1_, &QPushButton::clicked, this, [this] {
        calculate();
        text1_->setFocus(Qt::OtherFocusReason);
    });
    command3_ = makeButton(this, "Command3", kCalcClearButton);
    connect(command3_, &QPushButton::clicked, this, [this] { clear(); });
    command2_ = makeButton(this, "Command2", kCalcCloseButton);
    connect(command2_, &QPushButton::clicked, this, [this] { sub_->hide(); });
    label2_ = new QLabel(QString::fromUtf8(kCalcDecimalsLabel), this);
    label2_->setObjectName("Label2");
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    text2_->installEventFilter(this);
}

void MiniCalc::refresh() {
    const CalcTexts& texts = ctx_.state.calculator;
    const QString input = qtText(texts.input);
    if (text1_->text() != input) {
        text1_->setText(input);
    }
    fitResult();
    // A count being typed stays until it is entered.
    if (ctx_.state.options.calc != shownDecimals_) {
        showDecimals();
    }
}

// A result wider than the label ends in "…", never in digits cut off unseen.
void MiniCalc::fitResult() {
    showFitted(*label1_, qtText(ctx_.state.calculator.result));
}

void MiniCalc::showDecimals() {
    shownDecimals_ = ctx_.state.options.calc;
    text2_->setText(QString::number(shownDecimals_));
}

void MiniCalc::bringForward() {
    if (!placed_) {
        placed_ = true;
        const int tpp = twipsPerPixel(*this);
        const QWidget* area = mdi_.viewport();
        const TwipRect place =
            calcStartPlace(toTwips(area->width(), tpp), toTwips(area->height(), tpp),
                           toTwips(sub_->height(), tpp));
        sub_->move(toPixels(place.left, tpp), toPixels(place.top, tpp));
    }
    sub_->show();
    mdi_.setActiveSubWindow(sub_);
    sub_->raise();
    text1_->setFocus(Qt::OtherFocusReason);
}

void MiniCalc::calculate() {
    docalc(ctx_.state, ctx_.ui);
}

void MiniCalc::clear() {
    clearCalc(ctx_.state, ctx_.ui);
    text1_->setFocus(Qt::OtherFocusReason);
}

// A refused count gives way to the one in force, selected for the next try.
void MiniCalc::takeDecimals() {
    takingDecimals_ = true;
    const bool taken = checkround(ctx_.state, ctx_.ui, text2_->text().toStdString());
    takingDecimals_ = false;
    showDecimals();
    if (!taken) {
        text2_->selectAll();
    }
}

bool MiniCalc::expressionKey(QEvent* event) {
    if (!isEnterKey(event)) {
        return false;
    }
    calculate();
    return true;
}

// Only an Enter pressed in the box counts: the one that closed a message box would bring the
// message straight back.
void MiniCalc::decimalsKey(QEvent* event) {
    if (!isEnterKey(event)) {
        return;
    }
    if (event->type() == QEvent::KeyPress) {
        enterPressedInDecimals_ = true;
        return;
    }
    if (enterPressedInDecimals_ && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        enterPressedInDecimals_ = false;
        takeDecimals();
    }
}

bool MiniCalc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sub_ && hideInsteadOfClosing(*sub_, event)) {
        return true;
    }
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        return expressionKey(event);
    }
    if (watched != text2_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        decimalsKey(event);
        break;
    case QEvent::FocusOut:
        enterPressedInDecimals_ = false;
        if (!takingDecimals_ && leftForControl(event)) {
            takeDecimals();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MiniCalc::resizeEvent(QResizeEvent*) {
    const int tpp = twipsPerPixel(*this);
    const CalcLayout layout = calcLayout(toTwips(sub_ ? sub_->width() : width(), tpp));
    text1_->setGeometry(pixelRect(layout.text1, tpp));
    label1_->setGeometry(pixelRect(layout.label1, tpp));
    label2_->setGeometry(pixelRect(layout.label2, tpp));
    text2_->setGeometry(pixelRect(layout.text2, tpp));
    command1_->setGeometry(pixelRect(layout.command1, tpp));
    command3_->setGeometry(pixelRect(layout.command3, tpp));
    command2_->setGeometry(pixelRect(layout.command2, tpp));
    fitResult();
}

} // namespace vestrano
