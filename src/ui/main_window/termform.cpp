#include "ui/main_window/termform.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "app/term_input.h"
#include "state/program_context.h"
#include "ui/canvas/qt_colour.h"
#include "ui/main_window/colour_background.h"
#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

// Places in twips: the button at the left, the line after it, the check box at the right end,
// the status line below the three rows.
constexpr int kLeft = 60;
constexpr int kButtonWidth = 960;
constexpr int kLineLeft = kLeft + kButtonWidth + 45;
constexpr int kRowTop = 45;
constexpr int kRowHeight = 330;
constexpr int kRowGap = 30;
constexpr int kLineShrink = 1680; // the line is the window's width less this
constexpr int kStatusShrink = 350;
constexpr int kCheckWidth = 255;
constexpr int kStatusHeight = 300;
constexpr uint32_t kGreyedLine = rgb(192, 192, 192);

bool isEnter(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat();
}

// Taken over: the line's own undo starts afresh, so that Strg+Z in it takes back only newer
// typing and otherwise reaches the menu's undo. Cursor and selection stay where they are.
void restartUndo(QLineEdit& line) {
    if (!line.isUndoAvailable() && !line.isRedoAvailable()) {
        return;
    }
    const int cursor = line.cursorPosition();
    const int start = line.selectionStart();
    const int length = static_cast<int>(line.selectedText().size());
    line.setText(line.text());
    if (start < 0) {
        line.setCursorPosition(cursor);
        return;
    }
    // A selection made leftwards keeps its cursor at its start.
    if (cursor == start) {
        line.setSelection(start + length, -length);
        return;
    }
    line.setSelection(start, length);
}

} // namespace

TermForm::TermForm(ProgramContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("termform");
    setWindowTitle("Funktionsterme");
    for (int i = 0; i < kSlotCount; ++i) {
        buildSlot(i);
    }
    label9_ = new QLabel(this);
    label9_->setObjectName("Label9");
    label9_->setAutoFillBackground(true);
    label9_->setIndent(4);
    refreshTerms();
    refreshStatus();
}

void TermForm::buildSlot(int i) {
    const QString index = QString::number(i);
    command1_[i] = new QPushButton(this);
    command1_[i]->setObjectName("Command1_" + index);
    command1_[i]->setToolTip("Eingabe übernehmen");
    connect(command1_[i], &QPushButton::clicked, this, [this] { takeOver(); });

    text1_[i] = new QLineEdit(this);
    text1_[i]->setObjectName("Text1_" + index);
    text1_[i]->installEventFilter(this);
    connect(text1_[i], &QLineEdit::textEdited, this,
            [this, i](const QString& text) { ctx_.state.slots[i].text = text.toStdString(); });

    check1_[i] = new QCheckBox(this);
    check1_[i]->setObjectName("Check1_" + index);
    check1_[i]->setToolTip("Graph anzeigen oder nicht");
    connect(check1_[i], &QCheckBox::clicked, this,
            [this, i](bool checked) { showSlot(ctx_, i, checked); });
}

// A message box raised by the take-over hands the focus back to whichever line Qt remembers;
// the typing must go on in the line the user chose.
void TermForm::takeOver(int fromLine) {
    findandgetpre(ctx_, false);
    for (QLineEdit* line : text1_) {
        restartUndo(*line);
    }
    if (fromLine >= 0) {
        focusLine(fromLine);
    }
}

void TermForm::focusLine(int i) {
    text1_[i]->setFocus(Qt::OtherFocusReason);
}

int TermForm::slotOf(const QObject* object) const {
    for (int i = 0; i < kSlotCount; ++i) {
        if (text1_[i] == object) {
            return i;
        }
    }
    return -1;
}

// A click into a line and the release of Enter in it take over the inputs. Only an Enter
// pressed in the line counts: the one that closed a message box would otherwise bring the
// message straight back.
bool TermForm::eventFilter(QObject* watched, QEvent* event) {
    const int slot = slotOf(watched);
    if (slot < 0) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            takeOver(slot);
        }
        break;
    case QEvent::KeyPress:
        enterPressedIn_ = isEnter(event) ? slot : -1;
        break;
    case QEvent::KeyRelease:
        if (isEnter(event) && enterPressedIn_ == slot) {
            enterPressedIn_ = -1;
            takeOver(slot);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TermForm::refreshTerms() {
    const PlotState& state = ctx_.state;
    for (int i = 0; i < kSlotCount; ++i) {
        const TermSlot& slot = state.slots[i];
        command1_[i]->setText(qtText(slotName(state.mode, SlotText::Function, i) + " ="));
        showColour(*command1_[i], static_cast<uint32_t>(state.style.colors[i]), QPalette::Button);
        const QString text = qtText(slot.text);
        if (text1_[i]->text() != text) {
            text1_[i]->setText(text);
        }
        check1_[i]->setChecked(slot.visible);
        QPalette palette = text1_[i]->palette();
        palette.setColor(QPalette::Base,
                         slot.visible ? QPalette().color(QPalette::Base) : qtColor(kGreyedLine));
        text1_[i]->setPalette(palette);
    }
}

void TermForm::refreshStatus() {
    const PlotState& state = ctx_.state;
    fitStatusText();
    QPalette palette = label9_->palette();
    const bool error = state.status.color == kErrorColor;
    palette.setColor(QPalette::Window,
                     error ? qtColor(kErrorColor) : QPalette().color(QPalette::Button));
    // Black on the dark red would hardly be legible.
    palette.setColor(QPalette::WindowText, error ? Qt::white : Qt::black);
    label9_->setPalette(palette);
}

// A long list of errors ends in "…" at the window's edge, and the tip shows all of it.
void TermForm::fitStatusText() {
    const QString full = qtText(ctx_.state.status.text);
    const int room = label9_->contentsRect().width() - 2 * label9_->indent();
    const QString shown = label9_->fontMetrics().elidedText(full, Qt::ElideRight, room);
    label9_->setText(shown);
    label9_->setToolTip(shown == full ? QString() : full);
}

void TermForm::resizeEvent(QResizeEvent*) {
    const int tpp = twipsPerPixel(*this);
    // The widths follow the whole window, frame included.
    const QWidget* frame = parentWidget() ? parentWidget() : this;
    const int windowWidth = toTwips(frame->width(), tpp);
    const int lineWidth = std::max(windowWidth - kLineShrink, kCheckWidth);
    for (int i = 0; i < kSlotCount; ++i) {
        const int top = kRowTop + i * (kRowHeight + kRowGap);
        command1_[i]->setGeometry(pixelRect({kLeft, top, kButtonWidth, kRowHeight}, tpp));
        text1_[i]->setGeometry(pixelRect({kLineLeft, top, lineWidth, kRowHeight}, tpp));
        check1_[i]->setGeometry(
            pixelRect({kLineLeft + lineWidth + 90, top, kCheckWidth, kRowHeight}, tpp));
    }
    const int statusTop = kRowTop + kSlotCount * (kRowHeight + kRowGap);
    label9_->setGeometry(pixelRect(
        {kLeft, statusTop, std::max(windowWidth - kStatusShrink, 0), kStatusHeight}, tpp));
    fitStatusText();
}

} // namespace vestrano
