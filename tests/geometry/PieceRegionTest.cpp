#include "Board.h"
#include <QTest>

#include <cmath>

// Re-cutting a piece's mask repaints only part of what lies below it; nothing of an
// old outline may stay on the screen, and a piece with no inside shows nothing.
class PieceRegionTest : public QObject {
    Q_OBJECT
  private slots:
    void recutsLeaveNoStalePixels() {
        BOARD(true);
        const auto recut = [&form](int16_t p) {
            form.ReshapeList = {0, p};
            form.ReshapeCount = 1;
            form.ReshapePieces();
        };
        // Piece, slide in pixels and turn in degrees, and whether it is hidden or shown
        // again after its re-cut: across the others, off the button's top left (where
        // corners are negative), while hidden, and turned.
        const std::tuple<int16_t, QPointF, double, bool> steps[] = {
            {4, {6, 0}, 0, false},       {0, {-9, -7}, 0, false},   {5, {2, 11}, 0, false},
            {3, {0, 0}, 0, true},        {3, {25, -40}, 0, true},   {1, {0, 0}, 30, false},
            {2, {-300, -320}, 0, false}, {2, {300, 320}, 0, false},
        };
        for (int round = 0; round < 6; ++round)
            for (const auto& [p, slide, degrees, toggle] : steps) {
                const QPointF c = board.place(p)[0] / 15;
                const double cos = std::cos(degrees * M_PI / 180),
                             sin = std::sin(degrees * M_PI / 180);
                for (int v = 1; v <= 4; ++v) {
                    const QPointF d = board.place(p)[v] + slide - c;
                    form.M.PieceVertex[p][v][1] = c.x() + d.x() * cos - d.y() * sin;
                    form.M.PieceVertex[p][v][2] = c.y() + d.x() * sin + d.y() * cos;
                }
                recut(p);
                if (toggle) form.Command1[p]->setVisible(form.Command1[p]->isHidden());
                QPolygon outline; // the even-odd polygon of the floored corners
                for (QPointF corner : board.place(p).mid(1))
                    outline << QPoint(int(std::floor(corner.x())), int(std::floor(corner.y())));
                const QString at = QStringLiteral("round %1, piece %2").arg(round).arg(p);
                QVERIFY2(form.Command1[p]->mask() == QRegion(outline, Qt::OddEvenFill),
                         qPrintable(at));
                QVERIFY2(board.screenIsFresh(), qPrintable(at));
            }
        // Flattened onto a line the medium triangle has no inside: it shows nothing, takes
        // no click.
        for (int v = 1; v <= 4; ++v)
            form.M.PieceVertex[6][v][1] = form.M.PieceVertex[6][v][2] = 200 + 10 * qMin(v, 3);
        recut(6);
        QVERIFY((form.Command1[6]->mask() & form.Command1[6]->rect()).isEmpty());
        QVERIFY(form.Command1[6]->mask() != QRegion());
        QVERIFY(board.screenIsFresh());
    }
};

QTEST_MAIN(PieceRegionTest)
#include "PieceRegionTest.moc"
