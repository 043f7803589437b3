// The windows need a QApplication; offscreen, so the tests run without a display, and with
// Qt's own texts in German as in the program.

#include <QApplication>

#include <gtest/gtest.h>

#include "ui/main_window/german.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    vestrano::installGermanTranslations(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
