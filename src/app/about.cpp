#include "app/about.h"

#include "state/general_number.h"

#ifndef VESTRANO_VERSION
#error "VESTRANO_VERSION comes from the project version"
#endif

namespace vestrano {

namespace {

// Screen numbers for a German reader: 1,25 rather than 1.25.
std::string germanNumber(double value) {
    std::string text = generalNumber(value);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

std::string qtLine(const SystemInfo& info) {
    std::string line = "Qt " + info.qtRuntimeVersion;
    if (info.qtBuildVersion != info.qtRuntimeVersion) {
        line += " (übersetzt mit Qt " + info.qtBuildVersion + ")";
    }
    return line;
}

} // namespace

std::string programVersion() {
    return VESTRANO_VERSION;
}

std::string aboutText(const SystemInfo& info) {
    return "Vestrano\n"
           "Graphen von Funktionen mit dynamischen Parametern\n\n"
           "Version " +
           programVersion() +
           "\n\n"
           "Lizenz: MIT\n\n"
           "Verwendete Bibliotheken:\n" +
           qtLine(info) + " (LGPL v3)\n";
}

std::string systemReport(const SystemInfo& info) {
    return "Vestrano " + programVersion() + "\n" + qtLine(info) + "\n" +
           "Plattform: " + info.platform + "\n" +
           "Bildschirm: " + std::to_string(info.screenWidth) + " x " +
           std::to_string(info.screenHeight) + " Pixel, Skalierung " +
           germanNumber(info.scaleFactor) + "\n";
}

void copySystemReport(Ui& ui, const SystemInfo& info) {
    ui.setClipboardText(systemReport(info));
}

} // namespace vestrano
