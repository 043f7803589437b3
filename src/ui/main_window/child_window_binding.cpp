#include "ui/main_window/child_window_binding.h"

#include <QMdiSubWindow>

#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

bool isNormal(const QMdiSubWindow& window) {
    return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

// A value the window shows as the record says keeps the record's twips.
bool take(int& twips, int pixels, int tpp) {
    if (toPixels(twips, tpp) == pixels) {
        return false;
    }
    twips = toTwips(pixels, tpp);
    return true;
}

} // namespace

ChildWindowBinding::ChildWindowBinding(QMdiSubWindow& window, ChildWindow& record, Sizing sizing)
    : window_(window), record_(record), sizing_(sizing) {}

void ChildWindowBinding::place() {
    placing_ = true;
    if (isNormal(window_)) {
        const QRect wanted = pixelRect(record_, twipsPerPixel(window_));
        if (sizing_ == Sizing::ByContents && window_.pos() != wanted.topLeft()) {
            window_.move(wanted.topLeft());
        } else if (sizing_ == Sizing::ByRecord && window_.geometry() != wanted) {
            window_.setGeometry(wanted);
        }
    }
    if (window_.isHidden() == record_.visible) {
        window_.setVisible(record_.visible);
    }
    placing_ = false;
    readBack();
}

bool ChildWindowBinding::readBack() {
    if (placing_) {
        return false;
    }
    const int tpp = twipsPerPixel(window_);
    const QRect shown = window_.geometry();
    bool changed = take(record_.width, shown.width(), tpp);
    changed = take(record_.height, shown.height(), tpp) || changed;
    if (window_.isHidden()) {
        return changed;
    }
    changed = take(record_.left, shown.x(), tpp) || changed;
    changed = take(record_.top, shown.y(), tpp) || changed;
    changed = changed || record_.normal != isNormal(window_);
    record_.normal = isNormal(window_);
    return changed;
}

} // namespace vestrano
