#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QTest>
#include <cstring>

// The start tables: the numbers every saved figure and every turn of a piece
// is measured against.
class PieceTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void startLayout_data();
    void startLayout();
    void smallerSizeAndSecondStart();
};

void PieceTablesTest::startLayout_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<QPointF>("centre");         // pixels of the piece button
    QTest::addColumn<QList<double>>("angles");   // as kept, never brought into 0 to 360
    QTest::addColumn<QList<QPointF>>("corners"); // twips from the centre, y down; the last repeats
    QTest::newRow("0 large triangle")
        << 0 << QPointF(400.5, 399.5) << QList<double>{315, 198.4349488, 71.5650512, 71.5650512}
        << QList<QPointF>{{487.9, 487.9}, {-1469.7, 489.9}, {489.9, -1469.7}};
    QTest::newRow("1 large triangle")
        << 1 << QPointF(109.5, 387.5) << QList<double>{90, -26.5650512, 206.5650512, 206.5650512}
        << QList<QPointF>{{0, -690}, {1385.7, 692.8}, {-1385.7, 692.8}};
    QTest::newRow("2 small triangle")
        << 2 << QPointF(40.5, 285.5) << QList<double>{0, 116.5650512, 243.4349488, 243.4349488}
        << QList<QPointF>{{350, 0}, {-348.7, -697.3}, {-348.7, 697.3}};
    QTest::newRow("3 small triangle")
        << 3 << QPointF(251.5, 410.5) << QList<double>{90, 206.5650512, 333.4349488, 333.4349488}
        << QList<QPointF>{{0, -350}, {-697.3, 348.7}, {697.3, 348.7}};
    QTest::newRow("4 square") << 4 << QPointF(299.5, 384.5) << QList<double>{90, 180, 270, 0}
                              << QList<QPointF>{{0, -695}, {-695, 0}, {0, 695}, {695, 0}};
    QTest::newRow("5 parallelogram")
        << 5 << QPointF(40.5, 359.5) << QList<double>{135, 251.56505117708, -45, 71.56505117708}
        << QList<QPointF>{{-345.1, -345.1}, {-347.5, 1042.4}, {345.1, 345.1}, {347.5, -1042.4}};
    QTest::newRow("6 medium triangle")
        << 6 << QPointF(203.5, 396.5)
        << QList<double>{270, 153.43494882292, 386.56505117708, 386.56505117708}
        << QList<QPointF>{{0, 495}, {-982.8, -491.4}, {982.8, -491.4}};
}

void PieceTablesTest::startLayout() {
    QFETCH(int, piece);
    QFETCH(QPointF, centre);
    QFETCH(QList<double>, angles);
    QFETCH(QList<QPointF>, corners);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    const Module1& M = form.M;
    const QPointF middle(M.PieceCentre[piece][1], M.PieceCentre[piece][2]);
    QCOMPARE(middle / 15, centre);
    for (int v = 1; v <= 4; ++v) {
        QCOMPARE(M.PieceAngle[piece][v], angles[v - 1]);
        // Vertices are pixels of the button, the centre twips of the same button;
        // with the angles right, the corners hold the radii.
        const QPointF seen =
            QPointF(M.PieceVertex[piece][v][1], M.PieceVertex[piece][v][2]) * 15 - middle;
        QVERIFY2((seen - corners[qMin(v, int(corners.size())) - 1]).manhattanLength() < 0.1,
                 qPrintable(QString::asprintf("vertex %d at (%.2f, %.2f)", v, seen.x(), seen.y())));
    }
}

// Radii shorten in proportion, and a second start-up leaves every table as it was.
void PieceTablesTest::smallerSizeAndSecondStart() {
    Module1 once, twice;
    once.PieceSize = twice.PieceSize = 423;
    for (Module1* tables : {&once, &twice, &twice})
        tables->InitPieceTables(6735, 6735);
    QCOMPARE(once.PieceRadius[0][1], 423 - 4230 / 700.0);
    QCOMPARE(QString::number(once.PieceRadius[0][2], 'f', 2), QStringLiteral("936.19"));
    const auto same = [](const auto& a, const auto& b) { return !std::memcmp(a, b, sizeof a); };
    QVERIFY(same(once.PieceAngle, twice.PieceAngle) && same(once.PieceRadius, twice.PieceRadius) &&
            same(once.PieceCentre, twice.PieceCentre) && same(once.PieceOffset, twice.PieceOffset));
}

SIETARI_REGISTER_TEST(PieceTablesTest)
#include "PieceTablesTest.moc"
