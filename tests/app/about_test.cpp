#include <string>

#include <gtest/gtest.h>

#include "app/about.h"
#include "support/scripted_ui.h"

namespace vestrano {

namespace {

SystemInfo sampleInfo() {
    SystemInfo info;
    info.qtRuntimeVersion = "6.4.2";
    info.qtBuildVersion = "6.4.2";
    info.platform = "Debian GNU/Linux 12 (bookworm), x86_64, xcb";
    info.screenWidth = 1600;
    info.screenHeight = 1000;
    info.scaleFactor = 1.25;
    return info;
}

} // namespace

TEST(About, SystemReportGoesToTheClipboardWithGermanNumbers) {
    SystemInfo info = sampleInfo();
    info.qtBuildVersion = "6.2.0";
    ScriptedUi ui;
    copySystemReport(ui, info);
    EXPECT_EQ(ui.clipboard, "Vestrano " + programVersion() +
                                "\n"
                                "Qt 6.4.2 (übersetzt mit Qt 6.2.0)\n"
                                "Plattform: Debian GNU/Linux 12 (bookworm), x86_64, xcb\n"
                                "Bildschirm: 1600 x 1000 Pixel, Skalierung 1,25\n");
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace vestrano
