#include "ui/canvas/qt_fonts.h"

#include <QFontDatabase>

#include <algorithm>
#include <array>
#include <utility>

namespace vestrano {

namespace {

constexpr std::array<std::pair<std::string_view, const char*>, 3> kStandIns{{
    {"arial", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
}};

bool sameFace(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return QChar::toLower(static_cast<char16_t>(x)) == QChar::toLower(static_cast<char16_t>(y));
    });
}

QFont buildFont(const FontSpec& wanted) {
    QFont font(installedFace(wanted.face));
    // The height is the character height (em), as the layout measures it.
    font.setPixelSize(std::max<int>(1, wanted.pixelHeight));
    font.setWeight(wanted.weight >= 700 ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace

QString installedFace(std::string_view face) {
    const QString name = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (QFontDatabase::hasFamily(name)) {
        return name;
    }
    for (const auto& [windowsFace, standIn] : kStandIns) {
        if (sameFace(face, windowsFace) && QFontDatabase::hasFamily(standIn)) {
            return standIn;
        }
    }
    return name;
}

QtFonts::Entry& QtFonts::entry(const FontSpec& wanted) {
    const auto known = std::ranges::find(entries_, wanted, &Entry::wanted);
    if (known != entries_.end()) {
        return *known;
    }
    QFont font = buildFont(wanted);
    QFontMetrics metrics(font, device_);
    return entries_.emplace_back(Entry{wanted, std::move(font), std::move(metrics)});
}

} // namespace vestrano
