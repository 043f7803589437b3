#pragma once

#include <QDialog>

#include "params/timer_dialog.h"

class QComboBox;
class QLineEdit;

namespace vestrano {

struct ProgramContext;

// The timer dialog `Dialog`: the mode of change and the step per tick of one slot.
class TimerDialogForm final : public QDialog {
  public:
    TimerDialogForm(ProgramContext& ctx, QWidget* parent);

    // Fills the dialog for slot s, puts it beside the slot's window (whose places are in twips
    // within `area`) and shows it modally.
    void run(int s, const QWidget& area);

    // OK: a refused step keeps the dialog open.
    void accept() override;

  private:
    QPoint onScreen(QPoint wanted, const QWidget& area);

    ProgramContext& ctx_;
    TimerDialog dialog_;
    QComboBox* combo1_ = nullptr;
    QLineEdit* text1_ = nullptr;
};

} // namespace vestrano
