#pragma once

#include <string>

#include "state/ui.h"

namespace vestrano {

// What the About box reports of the machine it runs on.
struct SystemInfo {
    std::string qtRuntimeVersion;
    std::string qtBuildVersion;
    std::string platform; // operating system and window system
    int screenWidth = 0;  // pixels
    int screenHeight = 0;
    double scaleFactor = 1;
};

inline constexpr const char* kAboutCaption = "über Vestrano";
inline constexpr const char* kCopySystemInfoCaption = "&Systeminformationen kopieren";
inline constexpr const char* kSystemInfoCopied = "Die Systeminformationen sind in der "
                                                 "Zwischenablage.";

std::string programVersion();

// The About box's text: name, version, licence and the libraries in use.
std::string aboutText(const SystemInfo& info);

// The lines a bug report needs: program, Qt, platform, screen.
std::string systemReport(const SystemInfo& info);

void copySystemReport(Ui& ui, const SystemInfo& info);

} // namespace vestrano
