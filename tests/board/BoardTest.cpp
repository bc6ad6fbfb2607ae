#include "Board.h"
#include "TestMain.h"

#include <QApplication>

// Board pixels of a band that holds the two pieces on the left edge, 2 and 5.
const QPoint kFrom(5, 200), kTo(65, 431);

class BoardTest : public QObject {
    Q_OBJECT
  private slots:
    // H or V held, with auto-repeated release and press pairs between moves.
    void drag_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("H") << int(Qt::Key_H);
        QTest::newRow("V") << int(Qt::Key_V);
    }
    void drag() {
        QFETCH(int, key);
        BOARD(true);
        const QList<QPointF> start = board.place(4);
        const QPoint at = board.onPiece(4), end = at + QPoint(25, -18);
        board.press(at);
        QWidget* focused = QApplication::focusWidget();
        QTest::keyPress(focused, Qt::Key(key));
        for (QPoint d : {QPoint(13, 5), QPoint(14, 1)}) {
            QKeyEvent up(QEvent::KeyRelease, key, {}, {}, true),
                down(QEvent::KeyPress, key, {}, {}, true);
            QApplication::sendEvent(focused, &up);
            board.move(at + d);
            QCOMPARE(board.offBy(start, 4, key == Qt::Key_H ? QPoint(d.x(), 0) : QPoint(0, d.y())),
                     0.0);
            QApplication::sendEvent(focused, &down);
        }
        QTest::keyRelease(focused, Qt::Key(key));
        board.move(end); // the blocked axis catches up at once
        board.release(end);
        QVERIFY(!form.M.Dragging && board.shownInColour(4));
        QCOMPARE(board.offBy(start, 4, end - at), 0.0);
    }

    // The square starts turned to 30, 120, 210 and 300 and takes eight plain presses or
    // one with Shift; the parallelogram, held, is mirrored: each angle a becomes 180 - a.
    void rightPress_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QList<double>>("angles");
        const double s = 71.56505117708; // the parallelogram's side, from 135, s + 180, -45, s
        const QList<double> mirrored{45, 360 - s, 225, 180 - s};
        QTest::newRow("eight turns") << 4 << false << QList<double>{390, 480, 570, 660};
        QTest::newRow("shift") << 4 << true << QList<double>{345, 75, 165, 255};
        QTest::newRow("held parallelogram mirrored") << 5 << false << mirrored;
        QTest::newRow("held parallelogram, shift") << 5 << true << mirrored;
    }
    void rightPress() {
        QFETCH(int, piece);
        QFETCH(bool, shift);
        QFETCH(QList<double>, angles);
        BOARD(true);
        const QList<QPointF> start = board.place(piece);
        const QPoint at = board.onPiece(piece);
        for (int v = 1; v <= 4 && piece == 4; ++v)
            form.M.PieceAngle[4][v] = 30 + 90 * (v - 1);
        if (piece == 5) board.press(at);
        for (int i = 0; i < (piece == 4 && !shift ? 8 : 1); ++i) {
            board.press(at, Qt::RightButton, shift ? Qt::ShiftModifier : Qt::NoModifier);
            board.release(at, Qt::RightButton);
        }
        const QList<QPointF> turned = board.place(piece);
        board.drag(at + QPoint(12, 7), at + QPoint(12, 7)); // the mirror let go
        QVERIFY(board.offBy(turned, piece) == 0 && board.shownInColour(piece));
        for (int v = 1; v <= 4; ++v) { // turned about the centre, or mirrored about its upright
            QCOMPARE(form.M.PieceAngle[piece][v], angles[v - 1]);
            const double a = angles[v - 1] * kGamePi / 180, r = form.M.PieceRadius[piece][v] / 15;
            const QPointF c = start[0] / 15, turn = c + QPointF(std::cos(a), -std::sin(a)) * r;
            QVERIFY(Board::near(
                turned[v], piece == 4 ? turn : QPointF(2 * c.x() - start[v].x(), start[v].y())));
        }
    }

    // Button pixels; the board's inner edges are at 16 and 433. Off the board a piece
    // is put away in the button's middle, in the editor shown there.
    void settle_data() {
        QTest::addColumn<QList<QPointF>>("corners");
        QTest::addColumn<int>("moved"); // 0 stays, 1 put away, 2 shown
        using C = QList<QPointF>;
        const C outside{{15.9, 200}, {433.01, 200}, {200, 15.99}, {200, 434}}; // each past one side
        QTest::newRow("all outside") << outside << 1;
        QTest::newRow("one on the top left corner") << C{{16, 16}, {9, 9}, {9, 9}, {9, 9}} << 0;
        QTest::newRow("one on the bottom right") << C{{433, 433}, {440, 9}, {9, 440}, {9, 9}} << 0;
        QTest::newRow("all outside, editor") << outside << 2;
    }
    void settle() {
        QFETCH(QList<QPointF>, corners);
        QFETCH(int, moved);
        BOARD(true);
        form.M.EditMode = moved == 2;
        for (int v = 1; v <= 4; ++v) {
            form.M.PieceVertex[6][v][1] = corners[v - 1].x();
            form.M.PieceVertex[6][v][2] = corners[v - 1].y();
        }
        const QList<QPointF> before = board.place(6);
        form.SettlePieces();
        const QPointF shift = moved ? (QPointF(3367.5, 3367.5) - before[0]) / 15 : QPointF();
        QVERIFY(board.offBy(before, 6, shift) < 0.1);
        QVERIFY(moved == 1 ? board.away(6) : board.shownInColour(6));
    }

    // A band selects the pieces strictly inside it (piece 2's corner is moved to x 56);
    // the group is dragged by (30, 20) in the silhouette, then a size is chosen: centres
    // and turns kept, corners in proportion, one size checked, the group over.
    void groupThenSize_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<int>>("moved");
        QTest::addColumn<int>("size"); // item of the size menu
        const QPoint in(57, 431);
        QTest::newRow("on the border: outside") << kFrom << QPoint(56, 431) << QList<int>{2} << 0;
        QTest::newRow("a pixel further: inside") << kFrom << in << QList<int>{2, 5} << 1;
        QTest::newRow("backwards") << in << kFrom << QList<int>{2, 5} << 2;
        QTest::newRow("diagonal") << QPoint(kFrom.x(), in.y()) << QPoint(in.x(), kFrom.y())
                                  << QList<int>{2, 5} << 3;
    }
    void groupThenSize() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QList<int>, moved);
        QFETCH(int, size);
        BOARD(true);
        const double dx = 64 - form.M.PieceVertex[2][1][1]; // corner 1 exactly to 64
        form.M.PieceCentre[2][1] += dx * 15;
        for (int v = 1; v <= 4; ++v)
            form.M.PieceVertex[2][v][1] += dx;
        board.press(board.onBoard(from));
        board.move(board.onBoard(to));
        const QPoint corner(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
        QCOMPARE(form.Shape2->geometry(),
                 QRect(board.onBoard(corner),
                       QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()))));
        board.release(board.onBoard(to));
        QList<QList<QPointF>> start = board.places();
        form.MnuSilueta->trigger();
        board.drag(board.onPiece(2), board.onPiece(2) + QPoint(30, 20));
        QCOMPARE(board.inconsistency(), QString()); // members still white, the others grey
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(board.offBy(start[p], p, moved.contains(p) ? QPoint(30, 20) : QPoint()), 0.0);
        start = board.places();
        form.MnuTam[size]->trigger();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form.MnuTam[i]->isChecked(), i == size);
        QVERIFY(!form.GroupSelected);
        QCOMPARE(board.inconsistency(), QString());                    // the members grey too
        const double k = QList<int>{700, 600, 512, 423}[size] / 700.0; // twips
        for (int p = 0; p <= 6; ++p) {
            const QList<QPointF> now = board.place(p);
            QCOMPARE(now[0], start[p][0]);
            for (int v = 1; v <= 4; ++v)
                QVERIFY(Board::near(now[v] - now[0] / 15, (start[p][v] - start[p][0] / 15) * k));
        }
    }

    // Two quick right clicks turn the square twice; a right press on a piece being
    // dragged turns nothing.
    void quickAndHeldRightPresses() {
        BOARD(true);
        QTest::mouseDClick(form.windowHandle(), Qt::RightButton, {},
                           board.inWindow(board.onPiece(4)));
        QCOMPARE(form.M.PieceAngle[4][1], 90 + 2 * 45.0);
        board.press(board.onPiece(1), Qt::RightButton, Qt::ControlModifier); // clockwise
        QCOMPARE(form.M.PieceAngle[1][1], 90 - 45.0);
        board.press(board.onPiece(6));
        board.press(board.onPiece(6), Qt::RightButton);
        QCOMPARE(form.M.PieceAngle[6][1], 270.0);
    }

    // A right click on a group turns nothing and leaves the group standing.
    void rightClickOnGroup() {
        BOARD(true);
        board.act("g");
        const QList<QList<QPointF>> before = board.places();
        board.act("t2");
        QVERIFY(form.GroupSelected && board.places() == before);
    }

    // The square, its left corner just inside the board's right edge (433), is turned:
    // every corner is then outside, and the piece is put away.
    void turnedOffTheBoard() {
        BOARD(true);
        form.M.PieceCentre[4][1] = (432 + 695 / 15.0) * 15;
        form.Command1_MouseDown(4, 2, 0, 0, 0);
        QVERIFY(board.away(4));
    }

    void checkBoxes() {
        BOARD(true);
        const QPoint box = form.Check2[1]->mapTo(form.centralWidget(), QPoint(5, 5));
        board.drag(box, box);
        QVERIFY(board.away(1));
        board.drag(box, box);
        QVERIFY(board.shownInColour(1));
    }

    // Handlers let pending events run in their middle: a quick player's release, and
    // what follows it, may wait in the queue while a move is handled. Piece 0 is dropped
    // off the board, then a band drawn round 2 and 5.
    void dropOffBoardThenBand() {
        BOARD(true);
        const QPoint grip = board.onPiece(0), to = grip + QPoint(136, 0);
        board.press(grip);
        board.post(form.Command1[0], QEvent::MouseButtonRelease, to);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease})
            board.post(form.Label1[0], type,
                       board.onBoard(type == QEvent::MouseButtonPress ? kFrom : kTo));
        board.move(to); // all of the above is handled inside this move
        QVERIFY(!form.M.Dragging);
        board.release(to); // the real button, long since let go by the game
        QCOMPARE(board.inconsistency(), QString());
        QVERIFY(form.GroupSelected && board.away(0));
    }
};

SIETARI_TEST(BoardTest);
#include "BoardTest.moc"
