#pragma once

// One fuzz round over the settings reader and writer, shared by the libFuzzer target and the
// corpus replay test. The bytes are a whole working copy. Invariants: every setting read is in
// its range whatever the bytes; the section written back reads as what was written; writing
// the same settings twice gives the same bytes; nothing outside the keys' lines is lost.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_text.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace vestrano::fuzz {

// The built-in settings, all in range.
inline const SettingsValues kBuiltIn{
    1, 1, 1,   1,   0, 499, 499, 499, 499, 499,      0,       0,   .5,      .5, 10, 10, 40, 40,
    2, 2, 1.5, 1.5, 2, 12,  16,  3,   210, 16732240, 2662400, 255, 5242960, 0,  0,  0,  -1};

inline std::string settingsFault(const SettingsValues& values) {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (!kSettings[i].accepts(values[i])) {
            return "setting " + std::string(kSettings[i].key) + " out of range";
        }
    }
    if (!helpCountsInOrder(values)) {
        return "help-line counts out of order";
    }
    return {};
}

// Names of the sections other than the settings', as written in their section lines.
inline std::vector<std::string> otherSections(std::string_view bytes) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        const std::size_t open = line.find_first_not_of(" \t\r");
        if (open == std::string_view::npos || line[open] != '[') {
            continue;
        }
        line.remove_prefix(open + 1);
        const std::string name(line.substr(0, line.find(']')));
        if (name != "Vestrano" && name.find_first_of(" \t\r") == std::string::npos) {
            names.push_back(name);
        }
    }
    return names;
}

inline std::string settingsFuzzFault(std::string_view bytes) {
    const SettingsValues read = readSettings(bytes, kBuiltIn);
    if (std::string fault = settingsFault(read); !fault.empty()) {
        return fault;
    }
    const std::string written = writeProfileKeys(bytes, "Vestrano", settingsLines(read));
    if (readSettings(written, kBuiltIn) != read) {
        return "the settings written do not read back";
    }
    if (writeProfileKeys(written, "Vestrano", settingsLines(read)) != written) {
        return "writing the same settings again changed the file";
    }
    for (const std::string& section : otherSections(bytes)) {
        if (profileSection(written, section) != profileSection(bytes, section)) {
            return "section [" + section + "] changed";
        }
    }
    return {};
}

} // namespace vestrano::fuzz
