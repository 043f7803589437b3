#pragma once

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "support/scripted_ui.h"
#include "ui/collection/sammlung.h"
#include "ui/lines/asymptoten.h"
#include "ui/lines/punkte.h"
#include "ui/main_window/interform.h"
#include "ui/main_window/mother.h"
#include "ui/main_window/termform.h"
#include "ui/plot/graphform.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"

namespace vestrano {

// The program started in a 1280 x 800 main window, its dialogs answered by a script.
class Windows : public ::testing::Test {
  protected:
    ScriptedUi dialogs;
    std::unique_ptr<Mother> mother = std::make_unique<Mother>(&dialogs);

    Windows() {
        mother->resize(1280, 800);
        mother->show();
        QApplication::processEvents();
        mother->finishStartup();
    }

    // A control that is missing fails the test that wanted it; the exception keeps the null
    // pointer from taking the other tests down with it.
    // The intervals, collection, lines and points windows and the option dialogs repeat names of
    // the term and graph windows (Command1_0, Text1_0, Label1, Label9); their own tests look into
    // them, this looks everywhere else.
    template <class T> T* find(const char* name) {
        const std::array<const QWidget*, 7> apart{
            &mother->intervals(),  &mother->collection(),      &mother->lines(),
            &mother->points(),     &mother->helpLineOptions(), &mother->lineOptions(),
            &mother->zoomOptions()};
        for (T* widget : mother->findChildren<T*>(name)) {
            const auto* w = qobject_cast<const QWidget*>(widget);
            if (!w || std::none_of(apart.begin(), apart.end(),
                                   [w](const QWidget* a) { return a->isAncestorOf(w); })) {
                return widget;
            }
        }
        throw std::runtime_error(std::string("no control named ") + name);
    }
    // Windows share control names (Label1, Command1, Text1): this looks in one window only.
    template <class T> T* find(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(name);
        if (!widget) {
            throw std::runtime_error(std::string("no control named ") + name);
        }
        return widget;
    }

    PlotState& state() { return mother->state(); }
    QWidget* picture() { return find<QWidget>("Picture1"); }

    void enterTerm(int slot, const QString& text) {
        auto* line = find<QLineEdit>(qPrintable("Text1_" + QString::number(slot)));
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    void trigger(const char* action) { find<QAction>(action)->trigger(); }

    // Pixels of the drawing area that pass `test`.
    template <class Test> int countPixels(Test test) const {
        return countPixels(mother->graph().picture(), test);
    }
    template <class Test> static int countPixels(const QImage& picture, Test test) {
        const QImage image = picture.convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                n += test(row[x]) ? 1 : 0;
            }
        }
        return n;
    }

    // The blue of the first graph, antialiased edges included: the grid is grey, the axes
    // black, the ground white.
    int bluePixels() const { return bluePixels(mother->graph().picture()); }
    static int bluePixels(const QImage& image) {
        return countPixels(
            image, [](QRgb c) { return qBlue(c) > qRed(c) + 50 && qBlue(c) > qGreen(c) + 50; });
    }

    // Types `text` as one key event, so that any character arrives.
    void typeInto(int slot, const QString& text) {
        auto* line = find<QLineEdit>(qPrintable("Text1_" + QString::number(slot)));
        line->selectAll();
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, text, Qt::NoModifier);
        QTest::keyClick(line, Qt::Key_Return);
    }

    // The pixel of the drawing area where a world point lies.
    QPoint pixelOf(double x, double y) {
        const Viewport& v = state().view;
        return {static_cast<int>(std::lround((x - state().view.xmin) * v.xmu / v.tppx)),
                static_cast<int>(std::lround((v.pich - (y - state().view.ymin) * v.ymu) / v.tppy))};
    }
};

} // namespace vestrano
