#pragma once

#include "ui/settings/option_window.h"

namespace vestrano {

// "Einstellungen zu den Hilfslinien": start, step and number of the help lines, the label
// decimals, the font sizes and the help lines' brightness.
class OptionsGraph final : public OptionWindow {
  public:
    OptionsGraph(ProgramContext& ctx, QMdiArea& mdi);
};

} // namespace vestrano
