#pragma once

#include <QPalette>
#include <QWidget>

#include <cstdint>

#include "ui/canvas/qt_colour.h"
#include "ui/main_window/twips.h"

namespace vestrano {

// Paints `widget` (its `role`: Button for a button, Window for a label) in the core colour
// `rgb`, with black or white text, whichever stays legible on it.
inline void showColour(QWidget& widget, uint32_t rgb, QPalette::ColorRole role) {
    const QColor colour = qtColor(rgb);
    // A label paints no background of its own; a button paints its face in its Button colour.
    if (role == QPalette::Window) {
        widget.setAutoFillBackground(true);
    }
    QPalette palette = widget.palette();
    if (palette.color(role) == colour) {
        return;
    }
    palette.setColor(role, colour);
    const QPalette::ColorRole text =
        role == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
    constexpr int kDarkBelow = 128;
    palette.setColor(text, colour.lightness() < kDarkBelow ? Qt::white : Qt::black);
    widget.setPalette(palette);
}

} // namespace vestrano
