#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>

namespace {
void setVertices(Module1& M, int p, const QPolygonF& corners) {
    for (int v = 1; v <= 4; ++v) {
        M.PieceVertex[p][v][1] = corners[v - 1].x();
        M.PieceVertex[p][v][2] = corners[v - 1].y();
    }
}

void recut(Form1& form, std::initializer_list<int16_t> pieces) {
    form.ReshapeList = {0};
    form.ReshapeList.insert(form.ReshapeList.end(), pieces);
    form.ReshapeCount = int16_t(pieces.size());
    form.ReshapePieces();
}

void shift(Module1& M, int p, double dx, double dy) {
    for (int v = 1; v <= 4; ++v) {
        M.PieceVertex[p][v][1] += dx;
        M.PieceVertex[p][v][2] += dy;
    }
}

void turn(Module1& M, int p, double degrees) {
    const double cx = M.PieceCentre[p][1] / 15, cy = M.PieceCentre[p][2] / 15;
    const double a = degrees * M_PI / 180;
    for (int v = 1; v <= 4; ++v) {
        const double x = M.PieceVertex[p][v][1] - cx, y = M.PieceVertex[p][v][2] - cy;
        M.PieceVertex[p][v][1] = cx + x * std::cos(a) - y * std::sin(a);
        M.PieceVertex[p][v][2] = cy + x * std::sin(a) + y * std::cos(a);
    }
}

// Pixels of the window's client area that differ between what was last
// flushed to the screen and what a full repaint draws now.
int staleness(Form1& form) {
    QTest::qWait(30);
    QWidget* client = form.centralWidget();
    const QRect area(client->mapTo(&form, QPoint(0, 0)), client->size());
    // The offscreen screen hands out the backing store's contents as flushed.
    const QPixmap flushed = form.windowHandle()->screen()->grabWindow(form.winId());
    const QImage shown = flushed.toImage().copy(area).convertToFormat(QImage::Format_RGB32);
    const QImage fresh = form.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.size() != fresh.size()) return -1;
    int count = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x)
            count += shown.pixel(x, y) != fresh.pixel(x, y);
    return count;
}
} // namespace

class PieceRegionTest : public QObject {
    Q_OBJECT
  private slots:
    void startMasksFollowFlooredVertices();
    void verticesGoCounterClockwiseFromTheRight_data();
    void verticesGoCounterClockwiseFromTheRight();
    void cutEdgeCases_data();
    void cutEdgeCases();
    void recutsLeaveNoStalePixels();
};

void PieceRegionTest::startMasksFollowFlooredVertices() {
    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    for (int p = 0; p <= 6; ++p) {
        QPolygon outline;
        for (int v = 1; v <= 4; ++v)
            outline << QPoint(int(std::floor(form.M.PieceVertex[p][v][1])),
                              int(std::floor(form.M.PieceVertex[p][v][2])));
        QVERIFY(form.Command1[p]->mask() == QRegion(outline, Qt::OddEvenFill));
    }
}

void PieceRegionTest::verticesGoCounterClockwiseFromTheRight_data() {
    QTest::addColumn<double>("angle");
    QTest::addColumn<QPointF>("direction"); // in pixels, y down
    QTest::newRow("0 right") << 0.0 << QPointF(1, 0);
    QTest::newRow("90 up") << 90.0 << QPointF(0, -1);
    QTest::newRow("-90 down") << -90.0 << QPointF(0, 1);
    QTest::newRow("405 up-right") << 405.0 << QPointF(M_SQRT1_2, -M_SQRT1_2);
}

void PieceRegionTest::verticesGoCounterClockwiseFromTheRight() {
    QFETCH(double, angle);
    QFETCH(QPointF, direction);

    FakePlatform platform;
    Form1 form(platform);
    Module1& M = form.M;
    const double radius = 750, cx = 3000, cy = 2400;
    for (int p = 0; p <= 6; ++p) {
        M.PieceCentre[p][1] = cx;
        M.PieceCentre[p][2] = cy;
        for (int v = 1; v <= 4; ++v) {
            M.PieceAngle[p][v] = angle;
            M.PieceRadius[p][v] = radius;
        }
    }
    form.ComputeVertices();
    for (int p = 0; p <= 6; ++p) {
        QVERIFY(qAbs(M.PieceVertex[p][4][1] - (cx / 15 + direction.x() * radius / 15)) < 1e-6);
        QVERIFY(qAbs(M.PieceVertex[p][4][2] - (cy / 15 + direction.y() * radius / 15)) < 1e-6);
        QCOMPARE(M.PieceCentre[p][1], cx); // no offset to fold in
    }
}

void PieceRegionTest::cutEdgeCases_data() {
    QTest::addColumn<QPolygonF>("earlier"); // cut first, when not empty
    QTest::addColumn<QPolygonF>("corners");
    QTest::addColumn<QRegion>("visible"); // in pixels of the button

    const QPolygon triangle{{{10, 10}, {100, 10}, {10, 100}}};
    QTest::newRow("triangle with its third corner twice")
        << QPolygonF() << QPolygonF{{{10, 10}, {100, 10}, {10, 100}, {10, 100}}}
        << QRegion(triangle, Qt::OddEvenFill);
    QTest::newRow("corners floored, not rounded")
        << QPolygonF() << QPolygonF{{{20.5, 20.5}, {60.99, 20.5}, {60.99, 60.99}, {20.5, 60.99}}}
        << QRegion(QPolygon{{{20, 20}, {60, 20}, {60, 60}, {20, 60}}}, Qt::OddEvenFill);
    QTest::newRow("new cut replaces the old")
        << QPolygonF{{{0, 0}, {400, 0}, {400, 400}, {0, 400}}}
        << QPolygonF{{{100, 100}, {200, 100}, {200, 200}, {100, 200}}}
        << QRegion(QPolygon{{{100, 100}, {200, 100}, {200, 200}, {100, 200}}}, Qt::OddEvenFill);
    QTest::newRow("clipped to the button")
        << QPolygonF() << QPolygonF{{{-100.5, -100}, {600, -100}, {600, 600}, {-100.5, 600}}}
        << QRegion(0, 0, 449, 449);
    QTest::newRow("flat polygon shows nothing")
        << QPolygonF{{{0, 0}, {400, 0}, {400, 400}, {0, 400}}}
        << QPolygonF{{{10, 10}, {200, 200}, {300, 300}, {300, 300}}} << QRegion();
    QTest::newRow("single point shows nothing")
        << QPolygonF() << QPolygonF{{{50, 50}, {50, 50}, {50, 50}, {50, 50}}} << QRegion();
}

// What the player sees of a piece and where a click lands must agree.
void PieceRegionTest::cutEdgeCases() {
    QFETCH(QPolygonF, earlier);
    QFETCH(QPolygonF, corners);
    QFETCH(QRegion, visible);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    for (int p = 0; p <= 5; ++p)
        form.Command1[p]->hide(); // leave piece 6 alone over the board
    ColourButton* piece = form.Command1[6];
    if (!earlier.isEmpty()) {
        setVertices(form.M, 6, earlier);
        recut(form, {6});
    }
    setVertices(form.M, 6, corners);
    recut(form, {6});

    const QRegion mask = piece->mask();
    const QRegion seen = mask.isEmpty() ? QRegion(piece->rect()) : mask & piece->rect();
    QCOMPARE(seen, visible);
    // Stay clear of the bars that lie over the button's rim.
    QWidget* client = form.centralWidget();
    for (int y = 8; y < 440; y += 3)
        for (int x = 8; x < 440; x += 3) {
            const bool hit = client->childAt(piece->mapToParent(QPoint(x, y))) == piece;
            QVERIFY2(hit == visible.contains(QPoint(x, y)),
                     qPrintable(QStringLiteral("click at (%1, %2)").arg(x).arg(y)));
        }
}

// A re-cut repaints only part of what lies below; nothing of an old outline
// may stay on screen.
void PieceRegionTest::recutsLeaveNoStalePixels() {
    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(staleness(form), 0);
    struct Move {
        int16_t piece;
        double dx, dy, degrees;
    };
    struct Step {
        const char* name;
        std::vector<Move> moves; // re-cut together
        int toggled;             // a piece hidden or shown, or -1
    };
    const std::vector<Step> steps = {
        {"square slides right across the others", {{4, 6, 0, 0}}, -1},
        {"large triangle slides up and left, away", {{0, -9, -7, 0}}, -1},
        {"parallelogram slides down off the button", {{5, 2, 11, 0}}, -1},
        {"small triangle hidden", {}, 3},
        {"small triangle moved while hidden", {{3, 25, -40, 0}}, -1},
        {"small triangle shown", {}, 3},
        {"large triangle turns", {{1, 0, 0, 30}}, -1},
        {"two overlapping small triangles", {{2, 80, 10, 0}, {3, -60, -20, 0}}, -1},
    };
    for (int round = 0; round < 6; ++round)
        for (const Step& step : steps) {
            form.ReshapeList = {0};
            for (const Move& move : step.moves) {
                shift(form.M, move.piece, move.dx, move.dy);
                turn(form.M, move.piece, move.degrees);
                form.ReshapeList.push_back(move.piece);
            }
            form.ReshapeCount = int16_t(step.moves.size());
            form.ReshapePieces();
            if (step.toggled >= 0)
                form.Command1[step.toggled]->setVisible(form.Command1[step.toggled]->isHidden());
            const int stale = staleness(form);
            QVERIFY2(stale == 0, qPrintable(QStringLiteral("round %1, %2: %3 pixels")
                                                .arg(round)
                                                .arg(QLatin1String(step.name))
                                                .arg(stale)));
        }
    setVertices(form.M, 6, QPolygonF{{{10, 10}, {20, 20}, {30, 30}, {30, 30}}});
    recut(form, {6});
    QVERIFY2(staleness(form) == 0, "medium triangle flattened to nothing");
}

SIETARI_REGISTER_TEST(PieceRegionTest)
#include "PieceRegionTest.moc"
