#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/analysis_command.h"
#include "app/command_line.h"
#include "ui/plot/console_ui.h"
#include "ui/plot/export_run.h"

#include "ui/main_window/german.h"
#include "ui/main_window/mother.h"

namespace {

// The program's icon: a parabola over a grid.
QIcon programIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(210, 210, 210), 2));
    for (int i = 8; i < 64; i += 12) {
        p.drawLine(i, 0, i, 64);
        p.drawLine(0, i, 64, i);
    }
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(32, 2, 32, 62);
    p.drawLine(2, 44, 62, 44);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 80, 255), 5));
    QPainterPath path(QPointF(6, 4));
    path.quadTo(QPointF(32, 84), QPointF(58, 4));
    p.drawPath(path);
    return QIcon(pixmap);
}

// "--help", "--export", "--table", "--points" and a wrong call run without a window.
int runWithoutWindow(const vestrano::Result<vestrano::CommandLine>& parsed, int argc, char** argv) {
    if (!parsed.ok()) {
        std::cerr << parsed.reason() << '\n';
        return 2;
    }
    const vestrano::CommandLine& line = parsed.value();
    if (line.kind == vestrano::CommandLine::Kind::Help) {
        std::cout << vestrano::helpText();
        return 0;
    }
    if (line.kind == vestrano::CommandLine::Kind::Table) {
        vestrano::ConsoleUi ui;
        return vestrano::printValueTable(line, ui, std::cout, std::cerr);
    }
    if (line.kind == vestrano::CommandLine::Kind::Points) {
        vestrano::ConsoleUi ui;
        return vestrano::printPoints(line, ui, std::cout, std::cerr);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder Qt warns on stderr, which a successful export keeps empty: it
    // gets a private one for its run.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid()) {
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
    }
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (!line.animation.parameter.empty()) {
        return vestrano::exportAnimation(line.request, line.animation, std::cerr);
    }
    return vestrano::exportPicture(line.request, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = vestrano::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok() || parsed.value().kind != vestrano::CommandLine::Kind::Window) {
        return runWithoutWindow(parsed, argc, argv);
    }
    const vestrano::CommandLine& line = parsed.value();
    QApplication app(argc, argv);
    // Qt takes over the desktop's locale; a German one would write and read "0,5" in the
    // C library's number conversions, which must stay on ".".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Vestrano");
    // Desktops match the window to its launcher and icon by this name.
    QGuiApplication::setDesktopFileName("org.vestrano.Vestrano");
    QApplication::setWindowIcon(programIcon());
    vestrano::installGermanTranslations(app);

    // The working copy and its settings live in the user's data folder.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    vestrano::Mother mother(nullptr, dataFolder.toStdString());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mother.setGeometry(screen->availableGeometry());
    }
    mother.showMaximized();
    mother.finishStartup();
    // "vestrano FILE", as a file manager starts it: that collection is opened.
    if (!line.request.collection.empty()) {
        mother.openAtStart(line.request.collection);
    }
    return QApplication::exec();
}
