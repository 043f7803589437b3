#pragma once

#include <QWidget>

#include <array>

#include "state/plot_state.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vestrano {

struct ProgramContext;

// The term window: per slot a button that takes over the input, the input line and a box
// that shows or hides the graph; below them the status line.
class TermForm final : public QWidget {
  public:
    explicit TermForm(ProgramContext& ctx, QWidget* parent = nullptr);

    // Renders the slots (texts, check boxes, greyed lines, button captions) from the state.
    void refreshTerms();
    void refreshStatus();
    // Puts the caret into the input line of slot i.
    void focusLine(int i);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSlot(int i);
    void takeOver(int fromLine = -1);
    int slotOf(const QObject* object) const;
    void fitStatusText();

    ProgramContext& ctx_;
    std::array<QPushButton*, kSlotCount> command1_{};
    std::array<QLineEdit*, kSlotCount> text1_{};
    std::array<QCheckBox*, kSlotCount> check1_{};
    QLabel* label9_ = nullptr;
    int enterPressedIn_ = -1; // the line that saw Enter go down
};

} // namespace vestrano
