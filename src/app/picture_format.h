#pragma once

#include <string>
#include <string_view>

#include "state/result.h"

namespace vestrano {

// The formats a graph is saved or exported in, told by the file's extension.
enum class PictureFormat { Png, Svg, Emf, Pdf };

// The format of `path` by its extension, in any case; `unknownFormatText` for another one.
Result<PictureFormat> pictureFormat(std::string_view path);

// The save dialog's choice of formats.
inline constexpr const char* kPictureFilter =
    "PNG-Bild (*.png)|*.png|SVG-Graphik (*.svg)|*.svg|EMF-Metadatei (*.emf)|*.emf|"
    "PDF-Dokument (*.pdf)|*.pdf";

std::string unknownFormatText(const std::string& path);

// An animation is saved as GIF: whether `path` ends in ".gif", in any case.
bool isAnimationName(std::string_view path);

inline constexpr const char* kAnimationFilter = "GIF-Animation (*.gif)|*.gif";

std::string animationFormatText(const std::string& path);

} // namespace vestrano
