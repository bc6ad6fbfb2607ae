#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QTest>
#include <cstring>

using Doubles = QList<double>;
using Points = QList<QPointF>;

// The start tables at the largest size: the numbers every saved figure and
// every turn of a piece is measured against.
class PieceTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void startLayout_data();
    void startLayout();
    void smallerSizeShortensInProportion();
    void initialisingTwiceChangesNothing();
    void pieceColours_data();
    void pieceColours();
};

void PieceTablesTest::startLayout_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<Doubles>("radii");
    QTest::addColumn<Doubles>("angles");
    QTest::addColumn<QPointF>("centre"); // pixels of the piece button
    QTest::addColumn<Points>("corners"); // twips from the centre, y down

    const double big = 1549.247584, small = 779.6237921, longHalf = 1098.797181;
    QTest::newRow("0 large triangle")
        << 0 << Doubles{690, big, big, big} << Doubles{315, 198.4349488, 71.5650512, 71.5650512}
        << QPointF(400.5, 399.5) << Points{{487.9, 487.9}, {-1469.7, 489.9}, {489.9, -1469.7}};
    QTest::newRow("1 large triangle")
        << 1 << Doubles{690, big, big, big} << Doubles{90, -26.5650512, 206.5650512, 206.5650512}
        << QPointF(109.5, 387.5) << Points{{0, -690}, {1385.7, 692.8}, {-1385.7, 692.8}};
    QTest::newRow("2 small triangle")
        << 2 << Doubles{350, small, small, small}
        << Doubles{0, 116.5650512, 243.4349488, 243.4349488} << QPointF(40.5, 285.5)
        << Points{{350, 0}, {-348.7, -697.3}, {-348.7, 697.3}};
    QTest::newRow("3 small triangle")
        << 3 << Doubles{350, small, small, small}
        << Doubles{90, 206.5650512, 333.4349488, 333.4349488} << QPointF(251.5, 410.5)
        << Points{{0, -350}, {-697.3, 348.7}, {697.3, 348.7}};
    QTest::newRow("4 square") << 4 << Doubles{695, 695, 695, 695} << Doubles{90, 180, 270, 0}
                              << QPointF(299.5, 384.5)
                              << Points{{0, -695}, {-695, 0}, {0, 695}, {695, 0}};
    QTest::newRow("5 parallelogram")
        << 5 << Doubles{487.9747468, longHalf, 487.9747468, longHalf}
        << Doubles{135, 251.56505117708, -45, 71.56505117708} << QPointF(40.5, 359.5)
        << Points{{-345.1, -345.1}, {-347.5, 1042.4}, {345.1, 345.1}, {347.5, -1042.4}};
    QTest::newRow("6 medium triangle")
        << 6 << Doubles{494.9747468, longHalf, longHalf, longHalf}
        << Doubles{270, 153.43494882292, 386.56505117708, 386.56505117708} << QPointF(203.5, 396.5)
        << Points{{0, 495}, {-982.8, -491.4}, {982.8, -491.4}};
}

void PieceTablesTest::startLayout() {
    QFETCH(int, piece);
    QFETCH(Doubles, radii);
    QFETCH(Doubles, angles);
    QFETCH(QPointF, centre);
    QFETCH(Points, corners);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    const Module1& M = form.M;

    for (int v = 1; v <= 4; ++v) {
        QVERIFY2(qAbs(M.PieceRadius[piece][v] - radii[v - 1]) < 1e-6,
                 qPrintable(QString::number(v)));
        QVERIFY2(qAbs(M.PieceAngle[piece][v] - angles[v - 1]) < 1e-6,
                 qPrintable(QString::number(v)));
    }
    QCOMPARE(M.PieceCentre[piece][1] / 15, centre.x());
    QCOMPARE(M.PieceCentre[piece][2] / 15, centre.y());

    // Vertices are pixels of the button; the centre is twips of the same button.
    for (int v = 1; v <= 4; ++v) {
        const QPointF expected = corners[qMin(v, int(corners.size())) - 1];
        const double dx = M.PieceVertex[piece][v][1] * 15 - M.PieceCentre[piece][1];
        const double dy = M.PieceVertex[piece][v][2] * 15 - M.PieceCentre[piece][2];
        QVERIFY2(qAbs(dx - expected.x()) < 0.06 && qAbs(dy - expected.y()) < 0.06,
                 qPrintable(QStringLiteral("corner %1 at (%2, %3)").arg(v).arg(dx).arg(dy)));
    }
}

void PieceTablesTest::smallerSizeShortensInProportion() {
    Module1 M;
    M.PieceSize = 423;
    M.InitPieceTables(6735, 6735);
    QCOMPARE(M.PieceRadius[0][1], 423 - 4230 / 700.0);
    QCOMPARE(QString::number(M.PieceRadius[0][2], 'f', 2), QStringLiteral("936.19"));
}

void PieceTablesTest::initialisingTwiceChangesNothing() {
    Module1 once;
    once.PieceSize = 700;
    once.SlopeAngle2 = 63.4349488;
    once.SlopeAngle3 = 71.56505117708;
    Module1 twice = once;
    once.InitPieceTables(6735, 6735);
    twice.InitPieceTables(6735, 6735);
    twice.InitPieceTables(6735, 6735);
    QCOMPARE(std::memcmp(once.PieceAngle, twice.PieceAngle, sizeof once.PieceAngle), 0);
    QCOMPARE(std::memcmp(once.PieceRadius, twice.PieceRadius, sizeof once.PieceRadius), 0);
    QCOMPARE(std::memcmp(once.PieceCentre, twice.PieceCentre, sizeof once.PieceCentre), 0);
    QCOMPARE(std::memcmp(once.PieceOffset, twice.PieceOffset, sizeof once.PieceOffset), 0);
}

void PieceTablesTest::pieceColours_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("seen");
    QTest::newRow("0 yellow") << 0 << "65535" << QColor(255, 255, 0);
    QTest::newRow("1 magenta") << 1 << "16711935" << QColor(255, 0, 255);
    QTest::newRow("2 sea green") << 2 << "11918443" << QColor(107, 220, 181);
    QTest::newRow("3 red") << 3 << "255" << QColor(255, 0, 0);
    QTest::newRow("4 green") << 4 << "65280" << QColor(0, 255, 0);
    QTest::newRow("5 orange") << 5 << "33023" << QColor(255, 128, 0);
    QTest::newRow("6 cyan") << 6 << "16776960" << QColor(0, 255, 255);
}

// The colour texts go into saved positions; the player sees the colour itself.
void PieceTablesTest::pieceColours() {
    QFETCH(int, piece);
    QFETCH(QString, text);
    QFETCH(QColor, seen);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    QVERIFY(form.PieceColour[0].isEmpty());
    QCOMPARE(form.PieceColour[piece + 1], text);

    const QPoint centre(qFloor(form.M.PieceCentre[piece][1] / 15),
                        qFloor(form.M.PieceCentre[piece][2] / 15));
    const QImage board = form.centralWidget()->grab().toImage();
    QCOMPARE(board.pixelColor(form.Command1[piece]->mapToParent(centre)), seen);
}

SIETARI_REGISTER_TEST(PieceTablesTest)
#include "PieceTablesTest.moc"
