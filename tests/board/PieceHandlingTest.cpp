#include "BoardDriver.h"
#include "TestMain.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
constexpr double kSlope2 = 63.4349488;     // the large triangles' sides, degrees
constexpr double kSlope3 = 71.56505117708; // the parallelogram's side, degrees
constexpr double kMiddle = 3367.5;         // the middle of a piece button, twips
} // namespace

class PieceHandlingTest : public QObject {
    Q_OBJECT
  private slots:
    void pressAndDrag_data();
    void pressAndDrag();
    void rightPressTurns_data();
    void rightPressTurns();
    void rightPressWhileHeld_data();
    void rightPressWhileHeld();
    void axisKeys_data();
    void axisKeys();
    void settleAtRelease_data();
    void settleAtRelease();
};

void PieceHandlingTest::pressAndDrag_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<QPoint>>("moves"); // pointer offsets from the press
    QTest::addColumn<bool>("follows");
    QTest::addColumn<bool>("putAway");
    const Qt::KeyboardModifiers none;
    QTest::newRow("left drag") << 3 << Qt::LeftButton << none
                               << QList<QPoint>{{5, 0}, {5, -7}, {-20, -30}} << true << false;
    QTest::newRow("middle drag") << 6 << Qt::MiddleButton << none
                                 << QList<QPoint>{{0, -12}, {9, -40}} << true << false;
    QTest::newRow("shift sends behind")
        << 0 << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QList<QPoint>{{10, 10}} << false << false;
    QTest::newRow("dropped right of the board")
        << 0 << Qt::LeftButton << none << QList<QPoint>{{60, 0}, {136, 0}} << true << true;
}

void PieceHandlingTest::pressAndDrag() {
    QFETCH(int, piece);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<QPoint>, moves);
    QFETCH(bool, follows);
    QFETCH(bool, putAway);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    const PiecePlace start(form, piece);
    const QPoint at = board.onPiece(piece);

    board.press(at, button, modifiers);
    if (modifiers & Qt::ShiftModifier) {
        for (int q = 0; q <= 6; ++q)
            if (q != piece)
                QVERIFY(board.layer(form.Command1[piece]) < board.layer(form.Command1[q]));
        QVERIFY(board.layer(form.Command1[piece]) > board.layer(form.Label1[0]));
    } else {
        QVERIFY(board.inFrontUnderBars(piece));
    }
    for (const QPoint& d : moves) {
        board.move(at + d);
        QCOMPARE(start.offBy(PiecePlace(form, piece), follows ? d : QPoint()), 0.0);
    }
    board.release(at + moves.last(), button);
    if (button != Qt::LeftButton) {
        QVERIFY(form.M.Dragging); // only a left release lets go
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          board.inWindow(at + moves.last()));
    }
    QVERIFY(!form.M.Dragging);
    if (putAway) {
        QVERIFY(board.putAway(piece));
        QCOMPARE(form.M.PieceCentre[piece][1], kMiddle);
        QCOMPARE(form.M.PieceCentre[piece][2], kMiddle);
    } else {
        QVERIFY(board.shownInColour(piece));
        QCOMPARE(start.offBy(PiecePlace(form, piece), follows ? moves.last() : QPoint()), 0.0);
    }
}

void PieceHandlingTest::rightPressTurns_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<QList<double>>("angles"); // empty: as the game starts
    QTest::addColumn<int>("presses");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<double>>("expected");
    const Qt::KeyboardModifiers none;
    const QList<double> at30{30, 120, 210, 300};
    QTest::newRow("square, plain")
        << 4 << QList<double>() << 1 << none << QList<double>{135, 225, 315, 45};
    QTest::newRow("square, shift, 0 becomes 315")
        << 4 << QList<double>() << 1 << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QList<double>{45, 135, 225, 315};
    QTest::newRow("ctrl turns back to 0")
        << 4 << QList<double>{45, 135, 225, 315} << 1 << Qt::KeyboardModifiers(Qt::ControlModifier)
        << QList<double>{0, 90, 180, 270};
    QTest::newRow("alt on 30") << 4 << at30 << 1 << Qt::KeyboardModifiers(Qt::AltModifier)
                               << QList<double>{345, 75, 165, 255};
    QTest::newRow("shift on 30") << 4 << at30 << 1 << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << QList<double>{345, 75, 165, 255};
    QTest::newRow("eight turns never wrap")
        << 4 << at30 << 8 << none << QList<double>{390, 480, 570, 660};
    QTest::newRow("triangle passes 360")
        << 0 << QList<double>() << 1 << none
        << QList<double>{360, kSlope2 + 180, 180 - kSlope2, 180 - kSlope2};
    QTest::newRow("parallelogram not held turns")
        << 5 << QList<double>() << 1 << none << QList<double>{180, kSlope3 + 225, 0, kSlope3 + 45};
}

void PieceHandlingTest::rightPressTurns() {
    QFETCH(int, piece);
    QFETCH(QList<double>, angles);
    QFETCH(int, presses);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<double>, expected);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    double(&angle)[5] = form.M.PieceAngle[piece];
    if (!angles.isEmpty()) {
        for (int v = 1; v <= 4; ++v) {
            angle[v] = angles[v - 1];
            const QPointF corner =
                cornerAt(angle[v], form.M.PieceRadius[piece][v], form.M.PieceCentre[piece]);
            form.M.PieceVertex[piece][v][1] = corner.x();
            form.M.PieceVertex[piece][v][2] = corner.y();
        }
        form.ReshapeList = {0, int16_t(piece)};
        form.ReshapeCount = 1;
        form.ReshapePieces();
    }
    const PiecePlace start(form, piece);

    for (int i = 0; i < presses; ++i) {
        const QPoint at = board.onPiece(piece);
        board.press(at, Qt::RightButton, modifiers);
        board.release(at, Qt::RightButton);
    }
    QVERIFY(board.inFrontUnderBars(piece));
    QVERIFY(board.shownInColour(piece));
    QCOMPARE(PiecePlace(form, piece).centre[1], start.centre[1]);
    QCOMPARE(PiecePlace(form, piece).centre[2], start.centre[2]);
    for (int v = 1; v <= 4; ++v) {
        QVERIFY2(std::abs(angle[v] - expected[v - 1]) < 1e-9,
                 qPrintable(QString::number(angle[v])));
        const QPointF corner =
            cornerAt(expected[v - 1], form.M.PieceRadius[piece][v], form.M.PieceCentre[piece]);
        QVERIFY(std::abs(form.M.PieceVertex[piece][v][1] - corner.x()) < 1e-9);
        QVERIFY(std::abs(form.M.PieceVertex[piece][v][2] - corner.y()) < 1e-9);
    }
}

void PieceHandlingTest::rightPressWhileHeld_data() {
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("parallelogram mirrored") << 5 << 5 << Qt::KeyboardModifiers();
    QTest::newRow("parallelogram mirrored, shift")
        << 5 << 5 << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("another piece is not turned") << 0 << 3 << Qt::KeyboardModifiers();
}

void PieceHandlingTest::rightPressWhileHeld() {
    QFETCH(int, held);
    QFETCH(int, pressed);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    const PiecePlace heldStart(form, held);
    const PiecePlace pressedStart(form, pressed);
    // From 135, slope + 180, -45 and slope: every angle a becomes 180 - a.
    const double mirrored[5] = {0, 45, 360 - kSlope3, 225, 180 - kSlope3};
    const QPoint grip = board.onPiece(held);
    const QPoint at = board.onPiece(pressed);

    board.press(grip);
    board.press(at, Qt::RightButton, modifiers);
    board.release(at, Qt::RightButton);
    const PiecePlace turned(form, pressed);
    board.move(at + QPoint(12, 7));
    board.release(at + QPoint(12, 7));
    QVERIFY(!form.M.Dragging);

    if (held == pressed) {
        // Mirrored about the upright line through its centre (to the game's
        // pi), and let go.
        for (int v = 1; v <= 4; ++v) {
            QVERIFY(std::abs(form.M.PieceAngle[5][v] - mirrored[v]) < 1e-9);
            QVERIFY(std::abs(turned.vertex[v][1] -
                             (2 * pressedStart.centre[1] / 15 - pressedStart.vertex[v][1])) < 1e-6);
            QVERIFY(std::abs(turned.vertex[v][2] - pressedStart.vertex[v][2]) < 1e-6);
        }
        QCOMPARE(turned.offBy(PiecePlace(form, pressed), {}), 0.0);
    } else {
        QCOMPARE(pressedStart.offBy(PiecePlace(form, pressed), {}), 0.0);
        QCOMPARE(heldStart.offBy(PiecePlace(form, held), at + QPoint(12, 7) - grip), 0.0);
    }
}

void PieceHandlingTest::axisKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("repeats"); // auto-repeated press and release pairs
    QTest::newRow("H") << int(Qt::Key_H) << 0;
    QTest::newRow("V") << int(Qt::Key_V) << 0;
    QTest::newRow("H held with repeats") << int(Qt::Key_H) << 3;
    QTest::newRow("V held with repeats") << int(Qt::Key_V) << 5;
}

void PieceHandlingTest::axisKeys() {
    QFETCH(int, key);
    QFETCH(int, repeats);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    const PiecePlace start(form, 4);
    const QPoint at = board.onPiece(4);
    const auto along = [key](QPoint d) {
        return key == Qt::Key_H ? QPoint(d.x(), 0) : QPoint(0, d.y());
    };

    board.press(at);
    QWidget* focused = QApplication::focusWidget();
    QCOMPARE(focused, form.Command1[4]);
    QTest::keyPress(focused, Qt::Key(key));
    board.move(at + QPoint(12, 9));
    QCOMPARE(start.offBy(PiecePlace(form, 4), along({12, 9})), 0.0);
    // Each repeated release is checked on its own: a move handled before the
    // press that follows it must still keep to the allowed axis.
    for (int i = 1; i <= repeats; ++i) {
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focused, &up);
        board.move(at + QPoint(12 + i, 9 - 4 * i));
        QCOMPARE(start.offBy(PiecePlace(form, 4), along({12 + i, 9 - 4 * i})), 0.0);
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focused, &down);
    }
    QTest::keyRelease(focused, Qt::Key(key));
    board.move(at + QPoint(25, -18)); // the blocked axis catches up at once
    QCOMPARE(start.offBy(PiecePlace(form, 4), {25, -18}), 0.0);
    board.release(at + QPoint(25, -18));
}

void PieceHandlingTest::settleAtRelease_data() {
    QTest::addColumn<QList<QPointF>>("corners"); // pixels of the piece button
    QTest::addColumn<bool>("editor");
    QTest::addColumn<bool>("off");
    using C = QList<QPointF>;
    QTest::newRow("all left") << C{{15.9, 100}, {15.9, 200}, {10, 150}, {0, 150}} << false << true;
    QTest::newRow("one on the left edge")
        << C{{16, 100}, {10, 200}, {10, 150}, {0, 150}} << false << false;
    QTest::newRow("all right") << C{{433.01, 100}, {440, 200}, {445, 150}, {433.01, 150}} << false
                               << true;
    QTest::newRow("one on the bottom right corner")
        << C{{433, 433}, {440, 440}, {445, 440}, {440, 445}} << false << false;
    QTest::newRow("all above, strictly")
        << C{{100, 15.99}, {120, 15.99}, {110, 0}, {105, 3}} << false << true;
    QTest::newRow("all below") << C{{100, 434}, {120, 440}, {110, 440}, {105, 434}} << false
                               << true;
    QTest::newRow("one left, three above")
        << C{{10, 200}, {200, 10}, {220, 10}, {210, 5}} << false << true;
    QTest::newRow("one inside") << C{{200, 200}, {200, 10}, {220, 10}, {210, 5}} << false << false;
    QTest::newRow("editor keeps it shown")
        << C{{15.9, 100}, {15.9, 200}, {10, 150}, {0, 150}} << true << true;
}

void PieceHandlingTest::settleAtRelease() {
    QFETCH(QList<QPointF>, corners);
    QFETCH(bool, editor);
    QFETCH(bool, off);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    form.M.EditMode = editor;
    const int p = 6;
    QPointF sum;
    for (int v = 1; v <= 4; ++v) {
        form.M.PieceVertex[p][v][1] = corners[v - 1].x();
        form.M.PieceVertex[p][v][2] = corners[v - 1].y();
        sum += corners[v - 1];
    }
    form.M.PieceCentre[p][1] = sum.x() / 4 * 15;
    form.M.PieceCentre[p][2] = sum.y() / 4 * 15;
    const PiecePlace before(form, p);

    form.SettlePieces();
    const PiecePlace after(form, p);
    if (!off) {
        QCOMPARE(before.offBy(after, {}), 0.0);
        QVERIFY(board.shownInColour(p));
        return;
    }
    QCOMPARE(after.centre[1], kMiddle);
    QCOMPARE(after.centre[2], kMiddle);
    const QPointF shift((kMiddle - before.centre[1]) / 15, (kMiddle - before.centre[2]) / 15);
    QVERIFY(before.offBy(after, shift) < 1.0 / 15); // same turn, corners follow the centre
    if (editor)
        QVERIFY(board.shownInColour(p));
    else
        QVERIFY(board.putAway(p));
}

SIETARI_REGISTER_TEST(PieceHandlingTest)
#include "PieceHandlingTest.moc"
