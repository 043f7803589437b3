#include "ui/main_window/child_window_binding.h"

#include <QMdiSubWindow>

#include "ui/main_window/twips.h"

namespace vestrano {

namespace {

bool isNormal(const QMdiSubWindow& window) {
    return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

// A value the window shows as the record says keeps the record's twips.
void take(int& twips, int pixels, int tpp) {
    if (toPixels(twips, tpp) != pixels) {
        twips = toTwips(pixels, tpp);
    }
}

} // namespace

ChildWindowBinding::ChildWindowBinding(QMdiSubWindow& window, ChildWindow& record, Sizing sizing)
    : window_(window), record_(record), sizing_(sizing),
      seen_(pixelRect(record, twipsPerPixel(window))) {}

void ChildWindowBinding::place() {
    placing_ = true;
    if (isNormal(window_)) {
        const QRect wanted = pixelRect(record_, twipsPerPixel(window_));
        if (sizing_ == Sizing::ByContents && window_.pos() != wanted.topLeft()) {
            window_.move(wanted.topLeft());
        } else if (sizing_ == Sizing::ByRecord && window_.geometry() != wanted) {
            window_.setGeometry(wanted);
        }
        seen_.moveTo(wanted.topLeft());
        if (sizing_ == Sizing::ByRecord) {
            seen_.setSize(wanted.size());
        }
    }
    if (window_.isHidden() == record_.visible) {
        window_.setVisible(record_.visible);
    }
    placing_ = false;
    readBack();
}

void ChildWindowBinding::readBack() {
    if (placing_) {
        return;
    }
    const int tpp = twipsPerPixel(window_);
    const QRect shown = window_.geometry();
    record_.normal = isNormal(window_);
    if (shown.size() != seen_.size()) {
        take(record_.width, shown.width(), tpp);
        take(record_.height, shown.height(), tpp);
    }
    if (shown.topLeft() != seen_.topLeft()) {
        take(record_.left, shown.x(), tpp);
        take(record_.top, shown.y(), tpp);
    }
    seen_ = shown;
}

} // namespace vestrano
