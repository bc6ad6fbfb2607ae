#include "Board.h"
#include "TestMain.h"
#include "ui/InputForwarder.h"

#include <QScreen>
#include <QSignalSpy>
#include <QWindow>
#include <cmath>

namespace {
// Slides a piece's corners, then turns them about its centre.
void move(Module1& M, int p, double dx, double dy, double degrees) {
    const double cx = M.PieceCentre[p][1] / 15, cy = M.PieceCentre[p][2] / 15;
    const double c = std::cos(degrees * M_PI / 180), s = std::sin(degrees * M_PI / 180);
    for (int v = 1; v <= 4; ++v) {
        const double x = M.PieceVertex[p][v][1] + dx - cx, y = M.PieceVertex[p][v][2] + dy - cy;
        M.PieceVertex[p][v][1] = cx + x * c - y * s;
        M.PieceVertex[p][v][2] = cy + x * s + y * c;
    }
}

} // namespace

class PieceRegionTest : public QObject {
    Q_OBJECT
  private slots:
    // Every piece button covers the whole board; only its outline may take a press.
    void hitTesting() {
        BOARD(true);
        for (int p = -1; p <= 6; ++p) { // -1: the board, below every piece button
            QWidget* below = p < 0 ? static_cast<QWidget*>(form.Label1[0]) : form.Command1[p];
            QSignalSpy pressed(below->findChild<InputForwarder*>(), &InputForwarder::mouseDown);
            const QPoint at = p < 0 ? QPoint(200, 250) : board.onPiece(p); // between pieces
            board.press(at);
            board.release(at);
            QCOMPARE(pressed.count(), 1);
        }
    }

    // A re-cut repaints only part of what lies below; nothing of an old outline
    // may stay on screen.
    void recutsLeaveNoStalePixels() {
        BOARD(true);
        // Piece, slide and turn; whether it is then hidden or shown; re-cut with the next.
        const std::tuple<int16_t, double, double, double, bool, bool> steps[] = {
            {4, 6, 0, 0, false, false},   // the square slides right across the others
            {0, -9, -7, 0, false, false}, // a large triangle slides up and left, away
            {5, 2, 11, 0, false, false},  // the parallelogram slides down off the button
            {3, 0, 0, 0, true, false},    // a small triangle is hidden,
            {3, 25, -40, 0, true, false}, // moved while hidden, then shown
            {1, 0, 0, 30, false, false},  // the other large triangle turns
            {2, 80, 10, 0, false, true},  // the small triangles move together, overlapping
            {3, -60, -20, 0, false, false},
        };
        form.ReshapeList = {0};
        for (int round = 0; round < 6; ++round)
            for (const auto& [piece, dx, dy, degrees, toggle, withNext] : steps) {
                move(form.M, piece, dx, dy, degrees);
                form.ReshapeList.push_back(piece);
                if (withNext) continue;
                form.ReshapeCount = int16_t(form.ReshapeList.size() - 1);
                form.ReshapePieces();
                form.ReshapeList = {0};
                if (toggle) form.Command1[piece]->setVisible(form.Command1[piece]->isHidden());
                const QString at = QStringLiteral("round %1, piece %2").arg(round).arg(piece);
                for (int p = 0; p <= 6; ++p) { // the even-odd polygon of the floored corners
                    QPolygon outline;
                    for (QPointF c : board.place(p).mid(1))
                        outline << QPoint(int(std::floor(c.x())), int(std::floor(c.y())));
                    QVERIFY2(form.Command1[p]->mask() == QRegion(outline, Qt::OddEvenFill),
                             qPrintable(at));
                }
                QVERIFY2(board.screenIsFresh(), qPrintable(at));
            }
        // Flattened onto a line the medium triangle has no inside: it shows nothing, takes no
        // click.
        for (int v = 1; v <= 4; ++v)
            form.M.PieceVertex[6][v][1] = form.M.PieceVertex[6][v][2] = 200 + 10 * qMin(v, 3);
        form.ReshapeList = {0, 6};
        form.ReshapeCount = 1;
        form.ReshapePieces();
        const QRegion mask = form.Command1[6]->mask();
        QVERIFY(!mask.isEmpty() && (mask & form.Command1[6]->rect()).isEmpty());
        QVERIFY(form.centralWidget()->childAt(223, 223) != form.Command1[6]);
        QVERIFY2(board.screenIsFresh(), "medium triangle flattened");
    }
};

SIETARI_TEST(PieceRegionTest);
#include "PieceRegionTest.moc"
