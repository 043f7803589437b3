#pragma once

#include <QFont>
#include <QFontMetrics>

#include <deque>
#include <string_view>

#include "state/drawing_objects.h"

class QPaintDevice;

namespace vestrano {

// The face that draws `face`: itself when installed, else a metric-compatible stand-in
// (Liberation for the Windows core faces), so label widths stay as the layout expects.
QString installedFace(std::string_view face);

// QFonts and their metrics for the few FontSpecs a drawing uses, built once each: looking
// up installed faces is far too slow to do per label.
class QtFonts {
  public:
    explicit QtFonts(QPaintDevice& device) : device_(&device) {}

    const QFont& font(const FontSpec& wanted) { return entry(wanted).font; }
    const QFontMetrics& metrics(const FontSpec& wanted) { return entry(wanted).metrics; }

  private:
    struct Entry {
        FontSpec wanted;
        QFont font;
        QFontMetrics metrics;
    };
    Entry& entry(const FontSpec& wanted);

    QPaintDevice* device_;
    std::deque<Entry> entries_; // a deque keeps handed-out references valid
};

} // namespace vestrano
