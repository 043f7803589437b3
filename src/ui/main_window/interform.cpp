#include "ui/main_window/interform.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>

#include "app/interval_design.h"
#include "app/intervals.h"
#include "plot/einszueins.h"
#include "state/input_codes.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "state/ui.h"
#include "ui/main_window/colour_background.h"
#include "ui/main_window/twips.h"
#include "ui/params/tool_window.h"

namespace vestrano {

namespace {

TwipRect inRow(const TwipRect& column, int top) {
    return {column.left, top, column.width, column.height};
}

int buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kButtonLeft;
    case Qt::RightButton:
        return kButtonRight;
    case Qt::MiddleButton:
        return kButtonMiddle;
    default:
        return 0;
    }
}

} // namespace

InterForm::InterForm(ProgramContext& ctx, QMdiArea& mdi) : ctx_(ctx) {
    setObjectName("interform");
    setWindowTitle("Intervalle");
    buildHeadings();
    for (int i = 0; i < kIntervalRows; ++i) {
        buildRow(i);
    }
    buildButtons();
    sub_ = addToolWindow(mdi, this);
    sub_->setObjectName("interform_window");
    place_.emplace(*sub_, ctx_.state.intervals.frame, ChildWindowBinding::Sizing::ByContents);
    sub_->installEventFilter(this);
    sync();
}

void InterForm::buildHeadings() {
    const int tpp = twipsPerPixel(*this);
    const std::array<std::pair<const char*, TwipRect>, 3> headings{{{"untere Grenze", kInterLower},
                                                                    {"obere Grenze", kInterUpper},
                                                                    {"Standard", kInterPreset}}};
    for (int j = 0; j < 3; ++j) {
        auto* label = new QLabel(QString::fromUtf8(headings[j].first), this);
        label->setObjectName("Label" + QString::number(j + 1));
        label->setAlignment(Qt::AlignCenter);
        const TwipRect& column = headings[j].second;
        label->setGeometry(
            pixelRect({column.left - kInterHeadingOverhang, kInterHeadings.top,
                       column.width + 2 * kInterHeadingOverhang, kInterHeadings.height},
                      tpp));
    }
    label5_ = new QLabel(QString::fromUtf8("Zusätzliche graphische Einschränkungen für"), this);
    label5_->setObjectName("Label5");
    label5_->setGeometry(pixelRect(kInterRestrictionHeading, tpp));
}

void InterForm::buildRow(int i) {
    const int tpp = twipsPerPixel(*this);
    const QString index = QString::number(i);
    const int top = interRowTop(i);
    label4_[i] = new QLabel(QString::fromUtf8(kInterRowNames[i]), this);
    label4_[i]->setObjectName("Label4_" + index);
    label4_[i]->setGeometry(pixelRect(inRow(kInterRowName, top), tpp));
    if (i >= kFirstRestrictionRow) {
        // The name sits on its graph's colour; it keeps off the edge.
        label4_[i]->setIndent(3);
    }
    von_[i] = new QLineEdit(this);
    von_[i]->setObjectName("von_" + index);
    von_[i]->setGeometry(pixelRect(inRow(kInterLower, top), tpp));
    connect(von_[i], &QLineEdit::textEdited, this,
            [this, i](const QString& text) { ctx_.state.intervals.von[i] = text.toStdString(); });
    bis_[i] = new QLineEdit(this);
    bis_[i]->setObjectName("bis_" + index);
    bis_[i]->setGeometry(pixelRect(inRow(kInterUpper, top), tpp));
    connect(bis_[i], &QLineEdit::textEdited, this,
            [this, i](const QString& text) { ctx_.state.intervals.bis[i] = text.toStdString(); });
    if (i >= static_cast<int>(command1_.size())) {
        return;
    }
    command1_[i] = new QPushButton(QString::fromUtf8(kInterPresetCaptions[i]), this);
    command1_[i]->setObjectName("Command1_" + index);
    command1_[i]->setGeometry(pixelRect(inRow(kInterPreset, top), tpp));
    connect(command1_[i], &QPushButton::clicked, this, [this, i] {
        presetRow(ctx_, i);
        sync();
    });
}

void InterForm::buildButtons() {
    command2_ = new QPushButton(QString::fromUtf8("&Übernehmen"), this);
    command2_->setObjectName("Command2");
    connect(command2_, &QPushButton::clicked, this, [this] {
        takeOverIntervals(ctx_);
        sync();
    });
    command3_ = new QPushButton("1:1", this);
    command3_->setObjectName("Command3");
    command3_->setToolTip(
        QString::fromUtf8("Links oder rechts anklicken für Skalierungsverhältnis 1:1"));
    // The left button and the keyboard click it; the right button is heard on its release.
    connect(command3_, &QPushButton::clicked, this, [this] {
        einszueins(ctx_, kButtonLeft);
        sync();
    });
    command3_->installEventFilter(this);
    command6_ = new QPushButton(QString::fromUtf8("&Schließen"), this);
    command6_->setObjectName("Command6");
    connect(command6_, &QPushButton::clicked, this, [this] { sub_->close(); });
}

void InterForm::sync() {
    const IntervalWindow& w = ctx_.state.intervals;
    if (renderedMode_ != ctx_.state.mode) {
        renderMode();
    }
    if (renderedRevision_ != w.revision) {
        renderTexts();
    }
    renderColours();
    place_->place();
}

void InterForm::renderTexts() {
    const IntervalWindow& w = ctx_.state.intervals;
    renderedRevision_ = w.revision;
    for (int i = 0; i < kIntervalRows; ++i) {
        for (auto [box, text] : {std::pair{von_[i], &w.von[i]}, std::pair{bis_[i], &w.bis[i]}}) {
            const QString wanted = qtText(*text);
            if (box->text() != wanted) {
                box->setText(wanted);
            }
        }
    }
}

// The restriction rows wear the colours of their graphs.
void InterForm::renderColours() {
    for (int i = kFirstRestrictionRow; i < kIntervalRows; ++i) {
        const int32_t colour = ctx_.state.style.colors[i - kFirstRestrictionRow];
        showColour(*label4_[i], static_cast<uint32_t>(colour), QPalette::Window);
    }
}

// The t row only for curves, the restrictions only for functions; the window ends below the
// buttons, so that rows beneath them lie outside it.
void InterForm::renderMode() {
    renderedMode_ = ctx_.state.mode;
    const IntervalLayout layout = intervalLayout(renderedMode_);
    for (QWidget* w : {static_cast<QWidget*>(von_[2]), static_cast<QWidget*>(bis_[2]),
                       static_cast<QWidget*>(label4_[2])}) {
        w->setVisible(layout.tRow);
    }
    label5_->setVisible(layout.restrictions);
    // Out of the window anyway; hidden, the keyboard cannot reach them either.
    for (int i = kFirstRestrictionRow; i < kIntervalRows; ++i) {
        for (QWidget* w : {static_cast<QWidget*>(von_[i]), static_cast<QWidget*>(bis_[i]),
                           static_cast<QWidget*>(label4_[i])}) {
            w->setVisible(layout.restrictions);
        }
    }
    const int tpp = twipsPerPixel(*this);
    command2_->setGeometry(pixelRect(inRow(kInterTakeOver, layout.buttonTop), tpp));
    command3_->setGeometry(pixelRect(inRow(kInterAspect, layout.buttonTop), tpp));
    command6_->setGeometry(pixelRect(inRow(kInterClose, layout.buttonTop), tpp));
    setFixedSize(toPixels(kInterClientWidth, tpp), toPixels(layout.clientHeight, tpp));
    if (!sub_) {
        return;
    }
    sub_->setFixedSize(sub_->sizeHint());
}

void InterForm::aspectReleased(QObject* button, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton ||
        !static_cast<QWidget*>(button)->rect().contains(mouse->position().toPoint())) {
        return;
    }
    einszueins(ctx_, buttonOf(mouse->button()));
    sync();
}

bool InterForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == command3_ && event->type() == QEvent::MouseButtonRelease) {
        aspectReleased(watched, event);
        return false;
    }
    if (watched != sub_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        place_->readBack();
        break;
    case QEvent::Close:
        hideInsteadOfClosing(*sub_, event);
        ctx_.state.intervals.frame.visible = false;
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestrano
