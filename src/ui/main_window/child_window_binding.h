#pragma once

#include "state/window_layout.h"

class QMdiSubWindow;

namespace vestrano {

// Binds a child window of the main window to its record in the state. The record is what the
// arrangement reads and writes; the program puts it on the window, and what the user does to
// the window goes back into it.
class ChildWindowBinding {
  public:
    // Whether the record gives the window its size, or the window's contents fix the size and
    // the record only learns it.
    enum class Sizing { ByRecord, ByContents };

    ChildWindowBinding(QMdiSubWindow& window, ChildWindow& record, Sizing sizing);

    // The record's place and visibility on the window, hidden or not, so that a hidden window
    // comes back where the record says. A minimised or maximised window keeps its state and
    // place. Limits the window sets on its size go back into the record.
    void place();
    // After a move or resize: what the window shows differently from the record goes into it,
    // so that a place that survives the trip through pixels keeps its exact twips. A hidden
    // window keeps the place it comes back to; its size is taken, since its contents may
    // change it. The window's own events during `place` change nothing. True when the record
    // changed.
    bool readBack();

  private:
    QMdiSubWindow& window_;
    ChildWindow& record_;
    Sizing sizing_;
    bool placing_ = false;
};

} // namespace vestrano
