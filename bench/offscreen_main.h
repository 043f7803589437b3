#pragma once

// The main of a benchmark program that draws through Qt: offscreen unless a platform is set.

#include <QGuiApplication>

#include "ratio_table.h"

namespace vestrano::bench {

inline int runOffscreen(int argc, char** argv, void (*registerBenchmarks)(),
                        const std::function<void(std::ostream&, const ResultStore&)>& print) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    registerBenchmarks();
    return runAndPrintTables(argc, argv, print);
}

} // namespace vestrano::bench
