#include "app/picture_format.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace vestrano {

namespace {

// The file name's extension in lower case; "" without one.
std::string extensionOf(std::string_view path) {
    const auto dot = path.rfind('.');
    const auto slash = path.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    std::string extension(path.substr(dot + 1));
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

Result<PictureFormat> pictureFormat(std::string_view path) {
    const std::string extension = extensionOf(path);
    constexpr std::array<std::pair<std::string_view, PictureFormat>, 4> known{{
        {"png", PictureFormat::Png},
        {"svg", PictureFormat::Svg},
        {"emf", PictureFormat::Emf},
        {"pdf", PictureFormat::Pdf},
    }};
    for (const auto& [name, format] : known) {
        if (extension == name) {
            return format;
        }
    }
    return fail(unknownFormatText(std::string(path)));
}

std::string unknownFormatText(const std::string& path) {
    return "Das Bildformat von \"" + path +
           "\" ist unbekannt. Möglich sind die Endungen .png, .svg, .emf und .pdf.";
}

bool isAnimationName(std::string_view path) {
    return extensionOf(path) == "gif";
}

std::string animationFormatText(const std::string& path) {
    return "Eine Animation wird als GIF gespeichert: der Dateiname \"" + path +
           "\" muss auf .gif enden.";
}

} // namespace vestrano
