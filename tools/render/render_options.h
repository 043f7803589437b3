#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "render_scene.h"

namespace vestrano {

struct RenderOptions {
    Scene scene;
    int width = 1600;
    int height = 1000;
    std::string out = "vestrano.png";
};

// The usage text shown with every error.
extern const char* const kRenderUsage;

// Reads the arguments after the program name; an error text for anything it cannot use.
std::variant<RenderOptions, std::string> parseRenderOptions(std::span<const std::string_view> args);

} // namespace vestrano
