#pragma once

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/controls.h"
#include "support/scripted_ui.h"
#include "ui/collection/sammlung.h"
#include "ui/lines/asymptoten.h"
#include "ui/lines/punkte.h"
#include "ui/main_window/interform.h"
#include "ui/main_window/mother.h"
#include "ui/main_window/termform.h"
#include "ui/params/para.h"
#include "ui/plot/graphform.h"
#include "ui/settings/optionsgraph.h"
#include "ui/settings/optionslinie.h"
#include "ui/settings/optionszoom.h"

namespace vestrano {

// The program started in a 1280 x 800 main window, its dialogs answered by `dialogs`, its
// working copy in `dataFolder` (the user's when empty).
inline std::unique_ptr<Mother> startProgram(ScriptedUi& dialogs,
                                            const std::string& dataFolder = {}) {
    auto mother = std::make_unique<Mother>(&dialogs, dataFolder);
    mother->resize(1280, 800);
    mother->show();
    QApplication::processEvents();
    mother->finishStartup();
    return mother;
}

// The started program, its dialogs answered by a script.
class Windows : public ::testing::Test {
  protected:
    ScriptedUi dialogs;
    std::unique_ptr<Mother> mother = startProgram(dialogs);

    PlotState& state() { return mother->state(); }
    QMdiArea* mdiArea() { return qobject_cast<QMdiArea*>(mother->centralWidget()); }

    // The program's windows by their names, as the user finds them by their captions.
    template <class T = QWidget> T& window(const char* name) const {
        return findWindow<T>(*mother, name);
    }
    GraphForm& graphForm() const { return window<GraphForm>("graphform"); }
    TermForm& termForm() const { return window<TermForm>("termform"); }
    QMdiSubWindow& graphWindow() const { return window<QMdiSubWindow>("graphform_window"); }
    QMdiSubWindow& termWindow() const { return window<QMdiSubWindow>("termform_window"); }
    // The window of a parameter slot and its content; null while the slot has none.
    QMdiSubWindow* paraWindow(int s) const {
        return mother->findChild<QMdiSubWindow*>("paraform_" + QString::number(s));
    }
    Para* para(int s) const {
        QMdiSubWindow* frame = paraWindow(s);
        return frame ? &findWindow<Para>(*frame, qPrintable("para_" + QString::number(s)))
                     : nullptr;
    }

    QWidget* picture() { return findIn<QWidget>(graphForm(), "Picture1"); }
    QLineEdit* termLine(int slot) {
        return findIn<QLineEdit>(termForm(), qPrintable("Text1_" + QString::number(slot)));
    }

    void enterTerm(int slot, const QString& text) {
        auto* line = termLine(slot);
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }
    // Types `text` over what `box` holds, with the focus there, and takes it with Enter.
    static void typeOver(QLineEdit* box, const QString& text, bool enter = true) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        if (enter) {
            QTest::keyClick(box, Qt::Key_Return);
        }
    }

    void trigger(const char* action) { findIn<QAction>(*mother, action)->trigger(); }

    // Pixels of the drawing area that pass `test`.
    template <class Test> int countPixels(Test test) const {
        return countPixels(graphForm().picture(), test);
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
    int bluePixels() const { return bluePixels(graphForm().picture()); }
    static int bluePixels(const QImage& image) {
        return countPixels(
            image, [](QRgb c) { return qBlue(c) > qRed(c) + 50 && qBlue(c) > qGreen(c) + 50; });
    }

    // Types `text` as one key event, so that any character arrives.
    void typeInto(int slot, const QString& text) {
        auto* line = termLine(slot);
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
