#pragma once

#include <QObject>

class QMenuBar;

namespace vestrano {

// The keys of a window's menu reach their items whatever box of the window has the focus:
// a line edit would otherwise keep Ctrl+E, Ctrl+A or Ctrl+K for its own editing. Keys the
// menu does not use stay with the box, and so do Strg+Z and Strg+Umschalt+Z while the box
// holds typing not yet taken over.
class MenuKeys final : public QObject {
  public:
    explicit MenuKeys(QMenuBar& menu);
    ~MenuKeys() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMenuBar& menu_;
};

} // namespace vestrano
