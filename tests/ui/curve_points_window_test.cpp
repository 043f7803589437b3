#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <cmath>

#include "state/plot_state.h"
#include "ui/analysis/kurvenpunkte.h"
#include "window_fixture.h"

namespace vestrano {

// The window "Kurvenpunkte" and its marks on the graph, over the parabola x^2 - a.
class CurvePointsWindow : public Windows {
  protected:
    CurvePointsWindow() { enterTerm(0, "x^2-a"); }

    // The points are found for the picture the screen shows: each change is followed by the
    // picture being shown.
    void trigger(const char* action) {
        Windows::trigger(action);
        QApplication::processEvents();
    }
    void moveA(int position) {
        findIn<QScrollBar>(*para(kFirstFreeParam), "HScroll1")->setValue(position);
        QApplication::processEvents();
    }

    template <class T> T* control(const char* name) {
        return findIn<T>(window<Kurvenpunkte>("Kurvenpunkte"), name);
    }
    QTableWidget* table() { return control<QTableWidget>("tab_punkte"); }
    QString cell(int row, int column) { return table()->item(row, column)->text(); }
    double number(int row, int column) { return cell(row, column).replace(',', '.').toDouble(); }

    // The graph with the marks on against the graph with them off: every pixel the marks
    // change, as its distance from the nearest of `centres` (world points).
    std::vector<double> markDistances(const std::vector<QPointF>& centres) {
        const QImage on = graphForm().picture().convertToFormat(QImage::Format_RGB32);
        trigger("mn_kurvenpunkte_anzeigen");
        const QImage off = graphForm().picture().convertToFormat(QImage::Format_RGB32);
        trigger("mn_kurvenpunkte_anzeigen");
        std::vector<double> distances;
        for (int y = 0; y < on.height(); ++y) {
            for (int x = 0; x < on.width(); ++x) {
                if (on.pixel(x, y) == off.pixel(x, y)) {
                    continue;
                }
                // The marks are f's blue, blended into what they cross at their edges.
                const QRgb c = on.pixel(x, y);
                EXPECT_TRUE(qBlue(c) > qRed(c) && qBlue(c) > qGreen(c)) << x << ',' << y;
                double nearest = 1e9;
                for (const QPointF& p : centres) {
                    const QPoint centre = pixelOf(p.x(), p.y());
                    nearest = std::min(nearest, std::hypot(x - centre.x(), y - centre.y()));
                }
                distances.push_back(nearest);
            }
        }
        return distances;
    }

    void expectRingsAt(const std::vector<QPointF>& centres) {
        const std::vector<double> d = markDistances(centres);
        EXPECT_GT(d.size(), 20 * centres.size());
        // Rings of radius 5 around the points, with nothing inside that hides the graph.
        for (const double r : d) {
            EXPECT_GT(r, 2.5);
            EXPECT_LT(r, 7.5);
        }
    }
};

TEST_F(CurvePointsWindow, TableAndMarksFollowAParameter) {
    trigger("mn_kurvenpunkte");
    trigger("mn_kurvenpunkte_anzeigen");
    ASSERT_TRUE(window<Kurvenpunkte>("Kurvenpunkte").window().isVisible());
    EXPECT_TRUE(findIn<QAction>(*mother, "mn_kurvenpunkte_anzeigen")->isChecked());
    const struct {
        double a;
        double root;
    } cases[] = {{1, 1}, {5, std::sqrt(5.0)}};
    for (const auto& c : cases) {
        // a runs from -10 to 10 over the bar's 0..1000.
        moveA(500 + 50 * c.a);
        ASSERT_EQ(table()->rowCount(), 4) << c.a;
        const struct {
            const char* kind;
            double x, y;
        } rows[] = {{"Nullstelle", -c.root, 0},
                    {"Tiefpunkt", 0, -c.a},
                    {"y-Achsenabschnitt", 0, -c.a},
                    {"Nullstelle", c.root, 0}};
        for (int r = 0; r < 4; ++r) {
            EXPECT_EQ(cell(r, 0), "f");
            EXPECT_EQ(cell(r, 1), rows[r].kind);
            EXPECT_NEAR(number(r, 2), rows[r].x, 1e-6) << cell(r, 2).toStdString();
            EXPECT_NEAR(number(r, 3), rows[r].y, 1e-9) << cell(r, 3).toStdString();
        }
        EXPECT_EQ(control<QLabel>("lb_status")->text(), "4 Punkte.");
        expectRingsAt({{-c.root, 0}, {0, -c.a}, {c.root, 0}});
    }

    // Closed and without marks nothing is computed; open again, the table is the picture's.
    trigger("mn_kurvenpunkte_anzeigen");
    window<Kurvenpunkte>("Kurvenpunkte").window().close();
    EXPECT_FALSE(state().curvePoints.windowVisible);
    const int revision = state().curvePoints.revision;
    moveA(500 + 50 * 4);
    EXPECT_EQ(state().curvePoints.revision, revision);
    trigger("mn_kurvenpunkte");
    EXPECT_NEAR(number(3, 2), 2, 1e-12);
}

// Drawn faster than the screen shows pictures, the points are found once, for the picture shown.
TEST_F(CurvePointsWindow, PointsAreFoundOncePerPictureShown) {
    trigger("mn_kurvenpunkte_anzeigen");
    const int revision = state().curvePoints.revision;
    for (int k = 1; k <= 10; ++k) {
        findIn<QScrollBar>(*para(kFirstFreeParam), "HScroll1")->setValue(500 + 10 * k);
    }
    EXPECT_EQ(state().curvePoints.revision, revision);
    QApplication::processEvents();
    EXPECT_EQ(state().curvePoints.revision, revision + 1);
    expectRingsAt({{-std::sqrt(2.0), 0}, {0, -2}, {std::sqrt(2.0), 0}});
}

TEST_F(CurvePointsWindow, CopyGivesTabSeparatedTextWithDecimalCommas) {
    enterTerm(0, "x/2-1,5");
    trigger("mn_kurvenpunkte");
    QTest::mouseClick(control<QPushButton>("cmd_kopieren"), Qt::LeftButton);
    EXPECT_EQ(dialogs.clipboard, "Graph\tArt\tx\ty\n"
                                 "f\ty-Achsenabschnitt\t0\t-1,5\n"
                                 "f\tNullstelle\t3\t0\n");
    EXPECT_EQ(control<QLabel>("lb_status")->text(), "2 Punkte.");

    // About 637 zeros and as many inflection points over -10..10: 500 of each are listed.
    enterTerm(0, "sin(100*x)");
    QApplication::processEvents();
    const PointsResult& found = state().curvePoints.found;
    EXPECT_GT(found.leftOut, 200);
    EXPECT_EQ(table()->rowCount(), static_cast<int>(found.points.size()));
    EXPECT_EQ(control<QLabel>("lb_status")->text(),
              QString("%1 Punkte; %2 weitere ausgelassen (höchstens 500 je Graph und Art).")
                  .arg(found.points.size())
                  .arg(found.leftOut));
    QTest::mouseClick(control<QPushButton>("cmd_schliessen"), Qt::LeftButton);
    EXPECT_FALSE(window<Kurvenpunkte>("Kurvenpunkte").window().isVisible());
}

} // namespace vestrano
