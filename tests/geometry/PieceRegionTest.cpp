// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include "geometry/PolygonRegion.h"
#include <QTest>

#include <cmath>
#include <random>

// Where a piece's corners lie, and how they become the outline a player sees and clicks.
// (Re-cuts leaving stale pixels are caught by the board tests, which compare the screen.)
class PieceRegionTest : public QObject {
    Q_OBJECT
  private slots:
    // At each size, far below a pixel, every start corner lies at the radius of the size
    // table from its piece's centre. k(n) shortens a radius by n
    // twips at the largest size, in proportion at the smaller ones.
    void startCorners() {
        BOARD(false);
        for (int size = 0; size < 4; ++size) {
            form.MnuTam[size]->trigger();
            const double S = QList<double>{700, 600, 512, 423}[size];
            const auto k = [S](int n) { return n * S / 700; };
            const double d = std::hypot(2 * S, S), t = S * M_SQRT1_2,
                         m = S * std::sqrt(10.0) / 2 - k(8);
            const double radii[5][4] = {{S - k(10), d - k(16), d - k(16), d - k(16)},      // 0, 1
                                        {S / 2, d / 2 - k(3), d / 2 - k(3), d / 2 - k(3)}, // 2, 3
                                        {S - k(5), S - k(5), S - k(5), S - k(5)},
                                        {t - k(7), m, t - k(7), m},
                                        {t, m, m, m}};
            for (int p = 0; p <= 6; ++p) {
                for (int v = 1; v <= 4; ++v) {
                    const QPointF out = board.place(p)[v] * 15 - board.place(p)[0]; // twips
                    const double r = radii[p < 4 ? p / 2 : p - 2][v - 1];
                    QVERIFY2(std::abs(std::hypot(out.x(), out.y()) - r) < 1e-6,
                             qPrintable(QStringLiteral("size %1, piece %2").arg(S).arg(p)));
                }
            }
        }
        // Cut far beyond its button, where outlines are clipped, a piece keeps its shape on it.
        form.M.RegionPoints = {{100, 100}, {300, 100}, {300, 2000}, {100, 2000}};
        form.M.BuildPieceRegion(form.Command1[4]);
        QCOMPARE(form.Command1[4]->mask() & form.Command1[4]->rect(),
                 QRegion(100, 100, 200, form.Command1[4]->height() - 100));
    }

    // The outline is built row by row for speed; it holds exactly Qt's own pixels for
    // any polygon: triangles with a repeated corner, level and upright edges, edges
    // crossing, and outlines going over themselves as a group's does.
    void samePixelsAsQt() {
        std::mt19937 random(7);
        for (int i = 0; i < 20000; ++i) {
            QPolygon polygon;
            for (int n = 3 + int(random() % 12); n > 0; --n)
                polygon << QPoint(int(random() % 61) - 30, int(random() % 61) - 30) * (1 + i % 3);
            if (i % 4 == 0) polygon[2] = polygon.back(); // a triangle given as four corners
            const QRegion qt(polygon, Qt::OddEvenFill), ours = evenOddRegion(polygon);
            QVERIFY2((qt ^ ours).isEmpty(), qPrintable(QString("polygon %1").arg(i)));
        }
    }
};

QTEST_MAIN(PieceRegionTest)
#include "PieceRegionTest.moc"
