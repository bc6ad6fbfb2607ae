#include "Board.h"
#include "TestMain.h"

#include <cstring>

namespace {
// Per piece: the centre in pixels of the piece button; the four angles as kept, never
// brought into 0 to 360; the corners in twips from the centre, y down, the last one repeated.
const char* const kStart =
    R"(400.5 399.5  315 198.4349488 71.5650512 71.5650512  487.9 487.9 -1469.7 489.9 489.9 -1469.7
109.5 387.5  90 -26.5650512 206.5650512 206.5650512  0 -690 1385.7 692.8 -1385.7 692.8
40.5 285.5  0 116.5650512 243.4349488 243.4349488  350 0 -348.7 -697.3 -348.7 697.3
251.5 410.5  90 206.5650512 333.4349488 333.4349488  0 -350 -697.3 348.7 697.3 348.7
299.5 384.5  90 180 270 0  0 -695 -695 0 0 695 695 0
40.5 359.5  135 251.56505117708 -45 71.56505117708  -345.1 -345.1 -347.5 1042.4 345.1 345.1 347.5 -1042.4
203.5 396.5  270 153.43494882292 386.56505117708 386.56505117708  0 495 -982.8 -491.4 982.8 -491.4)";
} // namespace

// The start tables: the numbers every saved figure and every turn of a piece
// is measured against.
class PieceTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void startLayout_data() {
        QTest::addColumn<QString>("numbers");
        const QStringList rows = QString(kStart).split('\n');
        for (int p = 0; p <= 6; ++p)
            QTest::addRow("piece %d", p) << rows[p];
    }
    void startLayout() {
        QFETCH(QString, numbers);
        QList<double> known;
        for (const QString& number : numbers.split(' ', Qt::SkipEmptyParts))
            known << number.toDouble();
        BOARD(false);
        const int piece = QTest::currentDataTag()[6] - '0', corners = int(known.size() - 6) / 2;
        const QList<QPointF> at = board.place(piece);
        QCOMPARE(at[0] / 15, QPointF(known[0], known[1]));
        for (int v = 1; v <= 4; ++v) {
            QCOMPARE(form.M.PieceAngle[piece][v], known[1 + v]);
            // Vertices are pixels of the button, the centre twips of the same button;
            // with the angles right, the corners hold the radii.
            const QPointF seen = at[v] * 15 - at[0];
            const int c = 4 + 2 * qMin(v, corners);
            QVERIFY2(
                (seen - QPointF(known[c], known[c + 1])).manhattanLength() < 0.1,
                qPrintable(QString::asprintf("vertex %d at (%.2f, %.2f)", v, seen.x(), seen.y())));
        }
    }

    // Radii shorten in proportion, and a second start-up leaves every table as it was.
    void smallerSizeAndSecondStart() {
        Module1 once, twice;
        once.PieceSize = twice.PieceSize = 423;
        for (Module1* tables : {&once, &twice, &twice})
            tables->InitPieceTables(6735, 6735);
        QCOMPARE(once.PieceRadius[0][1], 423 - 4230 / 700.0);
        QCOMPARE(QString::number(once.PieceRadius[0][2], 'f', 2), QStringLiteral("936.19"));
        const auto same = [](const auto& a, const auto& b) { return !std::memcmp(a, b, sizeof a); };
        QVERIFY(
            same(once.PieceAngle, twice.PieceAngle) && same(once.PieceRadius, twice.PieceRadius) &&
            same(once.PieceCentre, twice.PieceCentre) && same(once.PieceOffset, twice.PieceOffset));
    }
};

SIETARI_TEST(PieceTablesTest);
#include "PieceTablesTest.moc"
