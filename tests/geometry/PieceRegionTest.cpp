// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include "geometry/PolygonRegion.h"
#include <QTest>

#include <cmath>
#include <random>

// How a piece's corners become the outline a player sees and clicks. (Re-cuts
// leaving stale pixels are caught by the board tests, which compare the screen.)
class PieceRegionTest : public QObject {
    Q_OBJECT
  private slots:
    // Each corner lies in the pixel of the largest whole numbers not above it, so -0.5
    // lies in pixel -1. A piece flattened onto a line has no inside: it shows nothing
    // and takes no click (an empty mask would show the whole button).
    void outline_data() {
        QTest::addColumn<QList<QPointF>>("corners");
        QTest::newRow("square over the top left of its button")
            << QList<QPointF>{{-20.5, 30}, {30, -20.5}, {80.5, 30}, {30, 80.5}};
        QTest::newRow("reaching far below, where outlines are clipped")
            << QList<QPointF>{{100, 100}, {300, 100}, {300, 2000}, {100, 2000}};
        QTest::newRow("flattened")
            << QList<QPointF>{{210, 210}, {220, 220}, {230, 230}, {230, 230}};
    }
    void outline() {
        QFETCH(QList<QPointF>, corners);
        BOARD(true);
        QPolygon floored;
        for (int v = 1; v <= 4; ++v) {
            form.M.PieceVertex[4][v][1] = corners[v - 1].x();
            form.M.PieceVertex[4][v][2] = corners[v - 1].y();
            floored << QPoint(int(std::floor(corners[v - 1].x())),
                              int(std::floor(corners[v - 1].y())));
        }
        form.ReshapeList = {0, 4};
        form.ReshapeCount = 1;
        form.ReshapePieces();
        const QRegion mask = form.Command1[4]->mask(), button = form.Command1[4]->rect();
        QVERIFY(!mask.isEmpty());
        QCOMPARE(mask & button, QRegion(floored, Qt::OddEvenFill) & button);
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
