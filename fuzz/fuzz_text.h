#pragma once

// Text helpers and the round shared by the fuzz bodies.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// One libFuzzer round: `fault` names the invariant the input broke, and any broken one stops
// the run so libFuzzer keeps the input.
inline int fuzzOnce(const uint8_t* data, size_t size, std::string (*fault)(std::string_view),
                    const char* what) {
    const std::string found = fault(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!found.empty()) {
        std::fprintf(stderr, "%s invariant broken: %s\n", what, found.c_str());
        std::abort();
    }
    return 0;
}

} // namespace vestrano::fuzz
