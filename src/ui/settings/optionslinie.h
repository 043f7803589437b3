#pragma once

#include <array>

#include "ui/settings/option_window.h"

class QCheckBox;
class QGridLayout;
class QLabel;

namespace vestrano {

// "Einstellungen zu den Linien": per graph the width, colour, sample counts and line type;
// the numeric limit and whether resizing keeps the counts.
class OptionsLinie final : public OptionWindow {
  public:
    OptionsLinie(ProgramContext& ctx, QMdiArea& mdi);

    // Boxes, heads, colours, the counts the mode lets the user edit, the check box.
    void refresh() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildColumn(QGridLayout& grid, int i);
    void countClicked(int j);

    std::array<QPushButton*, 3> command4_{};
    std::array<QLabel*, 3> picture1_{};
    std::array<QLineEdit*, 8> text2_{};
    QCheckBox* check1_ = nullptr;
};

} // namespace vestrano
