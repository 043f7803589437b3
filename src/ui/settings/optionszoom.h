#pragma once

#include "ui/settings/option_window.h"

namespace vestrano {

// "Zoom-Einstellungen": how far a click zooms in x and in y.
class OptionsZoom final : public OptionWindow {
  public:
    OptionsZoom(ProgramContext& ctx, QMdiArea& mdi);
};

} // namespace vestrano
