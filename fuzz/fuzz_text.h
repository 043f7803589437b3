#pragma once

// Text helpers shared by the fuzz bodies.

#include <cstdio>
#include <string>
#include <string_view>

namespace vestrano::fuzz {

// Printable form of a fuzz text for fault messages.
inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out + "\"";
}

} // namespace vestrano::fuzz
