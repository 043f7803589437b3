#pragma once

#include <QRect>

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
    // place. What the window made of the place (its size limits, a size its contents fixed
    // meanwhile, hidden or not) goes back into the record.
    void place();
    // After a move or resize: what changed on the window since it was last placed or read goes
    // into the record. A place the program gave but has not yet put on the window stays, and
    // a value that reads back as the record says keeps the record's exact twips. The window's
    // own events during `place` change nothing.
    void readBack();

  private:
    QMdiSubWindow& window_;
    ChildWindow& record_;
    Sizing sizing_;
    QRect seen_; // the window's geometry when last placed or read, in pixels
    bool placing_ = false;
};

} // namespace vestrano
