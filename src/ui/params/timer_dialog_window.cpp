#include "ui/params/timer_dialog_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "params/param_design.h"
#include "state/plot_state.h"
#include "state/program_context.h"
#include "ui/canvas/qt_fonts.h"
#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

QRect placeOf(const TwipRect& d, int tpp) {
    return pixelRect({d.left, d.top, d.width, d.height}, tpp);
}

} // namespace

TimerDialogForm::TimerDialogForm(ProgramContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ctx_(ctx) {
    setObjectName("Dialog");
    setModal(true);
    const int tpp = twipsPerPixel(*this);
    setFixedSize(placeOf(kDialogClient, tpp).size());
    // The classic 8-point dialog face, so the labels fit their designed places.
    QFont font(installedFace("Arial"));
    font.setPointSize(8);
    setFont(font);

    auto* label1 = new QLabel(QString::fromUtf8(kDialogModeText), this);
    label1->setObjectName("Label1");
    label1->setGeometry(placeOf(kDialogModeLabel, tpp));
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(placeOf(kDialogModes, tpp));
    for (int mode = 0; mode < static_cast<int>(kTimerModes.size()); ++mode) {
        combo1_->addItem(QString::fromUtf8(kTimerModes[static_cast<std::size_t>(mode)]), mode);
    }

    auto* label2 = new QLabel(QString::fromUtf8(kDialogStepText), this);
    label2->setObjectName("Label2");
    // Two lines where one does not fit; never under the step box.
    label2->setWordWrap(true);
    label2->setGeometry(placeOf({kDialogStepLabel.left, kDialogStepLabel.top,
                                 kDialogStep.left - kDialogStepLabel.left, kDialogStepLabel.height},
                                tpp));
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setGeometry(placeOf(kDialogStep, tpp));

    auto* ok = new QPushButton(QString::fromUtf8(kDialogOkText), this);
    ok->setObjectName("OKButton");
    ok->setGeometry(placeOf(kDialogOk, tpp));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TimerDialogForm::accept);
    auto* cancel = new QPushButton(QString::fromUtf8(kDialogCancelText), this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(placeOf(kDialogCancel, tpp));
    connect(cancel, &QPushButton::clicked, this, &TimerDialogForm::reject);
}

// Beside a parameter window in the right-hand column the dialog would leave the screen; it is
// kept on it, frame and all, as near to that place as fits. A window's position is its frame's.
QPoint TimerDialogForm::onScreen(QPoint wanted, const QWidget& area) {
    const QScreen* shownOn = area.screen();
    if (!shownOn) {
        return wanted;
    }
    winId(); // the frame is known once the window is
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize frame = size().grownBy(margins);
    const QRect room = shownOn->availableGeometry();
    return {std::clamp(wanted.x(), room.left(),
                       std::max(room.left(), room.right() + 1 - frame.width())),
            std::clamp(wanted.y(), room.top(),
                       std::max(room.top(), room.bottom() + 1 - frame.height()))};
}

void TimerDialogForm::run(int s, const QWidget& area) {
    dialog_ = openTimerDialog(ctx_.state, s);
    setWindowTitle(qtText(dialog_.caption));
    combo1_->setCurrentIndex(dialog_.modeIndex);
    text1_->setText(qtText(dialog_.stepText));
    text1_->selectAll();
    text1_->setFocus();
    const int tpp = twipsPerPixel(area);
    move(onScreen(area.mapToGlobal(QPoint(toPixels(dialog_.left, tpp), toPixels(dialog_.top, tpp))),
                  area));
    exec();
}

void TimerDialogForm::accept() {
    if (timerDialogOk(ctx_, dialog_, text1_->text().toStdString(),
                      combo1_->currentData().toInt())) {
        QDialog::accept();
    }
}

} // namespace vestrano
