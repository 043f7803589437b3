#pragma once

#include <QDialog>

#include "app/about.h"
#include "state/ui.h"

namespace vestrano {

// "über Vestrano": name, version, licence, libraries, and the system information for a bug
// report on the clipboard.
class AboutBox final : public QDialog {
  public:
    AboutBox(Ui& ui, QWidget* parent);

  private:
    Ui& ui_;
};

// The Qt versions, the platform and the primary screen as this run sees them.
SystemInfo currentSystemInfo();

} // namespace vestrano
