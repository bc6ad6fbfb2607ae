// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include <QTest>

#include <QApplication>
#include <QFrame>

// Board pixels of a band that holds the two pieces on the left edge, 2 and 5.
const QPoint kFrom(5, 200);

// What the player does to the pieces, played with real events on a shown window.
class BoardTest : public QObject {
    Q_OBJECT

    // Why piece k is not above every other piece and under the border bars.
    static QString stackingFault(const Form1& form, int k) {
        const QObjectList& layers = form.centralWidget()->children();
        const qsizetype at = layers.indexOf(form.Command1[k]);
        for (int q = 0; q <= 6; ++q)
            if (layers.indexOf(form.Command1[q]) > at)
                return QStringLiteral("piece %1 above").arg(q);
        for (const QFrame* bar : form.Frame1)
            if (layers.indexOf(bar) < at) return QStringLiteral("a bar below");
        return {};
    }

    // Whether box p is drawn dark (striped), as a box whose piece is put away.
    static bool boxLooksTicked(const Form1& form, int p) {
        const QImage box = form.Check2[p]->grab().toImage();
        for (int x = 3; x < box.width() - 3; ++x)
            if (box.pixelColor(x, box.height() / 2).valueF() < 0.3) return true;
        return false;
    }

  private slots:
    // Steps as Board::act plays them. After each, the screen shows what a full repaint
    // draws, the board is one play can reach, the list has not kept the focus that H
    // and V need, a piece just picked up, turned or brought back lies on top, its box
    // looks ticked exactly when it is put away, and a right click on a group turns
    // nothing.
    void play_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("pieces on top") << "d0 t6 b4 b4 d1 t1 b0 b0";
        QTest::newRow("hints") << "h h s s h n";
        QTest::newRow("silhouette and group") << "f g d5 t2 f t5 r";
        QTest::newRow("boxes, then Todas") << "b1 b2 a";
        QTest::newRow("editor on and off") << "e d4 e";
    }
    void play() {
        QFETCH(QString, steps);
        BOARD(true);
        for (const QString& step : steps.split(' ')) {
            const QList<QList<QPointF>> before = board.places();
            const bool group = form.GroupSelected;
            board.act(step);
            const int k = step.mid(1).toInt();
            QVERIFY(form.List1->isActiveWindow() && !form.List1->hasFocus());
            QVERIFY2(board.screenIsFresh(), qPrintable(step));
            QCOMPARE(board.inconsistency(), QString());
            QCOMPARE(boxLooksTicked(form, k), form.Check2[k]->isChecked());
            if (step[0] == 't' && group) QVERIFY(form.GroupSelected && board.places() == before);
            if (QString("dtb").contains(step[0]) && !form.GroupSelected && !board.away(k))
                QCOMPARE(stackingFault(form, k), QString());
        }
    }

    // H or V held, with auto-repeated release and press pairs between moves. Ctrl with
    // Shift picks a piece up as a plain press does (Shift alone sends it back).
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
        board.press(at, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget* focused = QApplication::focusWidget();
        QTest::keyPress(focused, Qt::Key(key));
        for (QPoint d : {QPoint(13, 5), QPoint(14, 1)}) {
            QKeyEvent up(QEvent::KeyRelease, key, {}, {}, true),
                down(QEvent::KeyPress, key, {}, {}, true);
            QApplication::sendEvent(focused, &up);
            board.move(at + d);
            const QPoint free = key == Qt::Key_H ? QPoint(d.x(), 0) : QPoint(0, d.y());
            QCOMPARE(board.offBy(start, 4, free), 0.0);
            QApplication::sendEvent(focused, &down);
        }
        QTest::keyRelease(focused, Qt::Key(key));
        board.move(end); // the blocked axis catches up at once
        board.release(end);
        QCOMPARE(board.offBy(start, 4, end - at), 0.0);
    }

    // Right presses on the square (set to 30, 120, 210, 300 degrees) or on the held
    // parallelogram, which is mirrored: each angle a becomes 180 - a. Ctrl or Shift
    // turns clockwise, a quick second click turns again, and a right press on the
    // square while it is dragged turns nothing.
    void turn_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QString>("presses"); // r right, d double, l left held; s Shift, c Ctrl
        QTest::addColumn<QList<double>>("angles");
        const double s = 71.56505117708; // the parallelogram's side, from 135, s + 180, -45, s
        const QList<double> mirrored{45, 360 - s, 225, 180 - s};
        QTest::newRow("eight turns") << 4 << "r r r r r r r r" << QList<double>{390, 480, 570, 660};
        QTest::newRow("shift") << 4 << "rs" << QList<double>{345, 75, 165, 255};
        QTest::newRow("ctrl, then a double click")
            << 4 << "rc d" << QList<double>{435, 165, 255, 345};
        QTest::newRow("held parallelogram mirrored") << 5 << "l r" << mirrored;
        QTest::newRow("held parallelogram, shift") << 5 << "l rs" << mirrored;
    }
    void turn() {
        QFETCH(int, piece);
        QFETCH(QString, presses);
        QFETCH(QList<double>, angles);
        BOARD(true);
        const QPoint at = board.onPiece(piece);
        for (int v = 1; v <= 4 && piece == 4; ++v)
            form.M.PieceAngle[4][v] = 30 + 90 * (v - 1);
        for (const QString& press : presses.split(' ')) {
            const Qt::KeyboardModifier m = press.contains('s')   ? Qt::ShiftModifier
                                           : press.contains('c') ? Qt::ControlModifier
                                                                 : Qt::NoModifier;
            if (press[0] == 'd')
                QTest::mouseDClick(form.windowHandle(), Qt::RightButton, m, board.inWindow(at));
            else if (press[0] == 'l')
                board.press(at, Qt::LeftButton, m);
            else
                board.press(at, Qt::RightButton, m), board.release(at, Qt::RightButton);
        }
        if (piece == 4) board.press(at), board.press(at, Qt::RightButton);
        const QList<QPointF> turned = board.place(piece);
        board.release(at, Qt::RightButton);
        board.release(at); // the drag ends, the mirror is let go
        QVERIFY(board.offBy(turned, piece) == 0 && board.shownInColour(piece));
        for (int v = 1; v <= 4; ++v)
            QCOMPARE(form.M.PieceAngle[piece][v], angles[v - 1]);
    }

    // The square, its left corner just inside the board's right edge (433), is turned:
    // every corner is then outside, and the piece is put away.
    void turnedOffTheBoard() {
        BOARD(true);
        form.M.PieceCentre[4][1] = (432 + 695 / 15.0) * 15;
        form.Command1_MouseDown(4, Qt::RightButton, 0, 0, 0);
        QVERIFY(board.away(4));
    }

    // A band selects the pieces strictly inside it (piece 2's corner is moved to x 56);
    // the group is dragged by (30, 20) in the silhouette, then a size is chosen: centres
    // and turns kept, corners in proportion, the group over.
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
        const QSize band(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        QCOMPARE(form.Shape2->geometry(), QRect(board.onBoard(corner), band));
        board.release(board.onBoard(to));
        QCOMPARE(form.GroupSelected, moved.size() > 1); // one piece alone makes no group
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
            QVERIFY2(now[0] == start[p][0] &&
                         Board::near(now[1] - now[0] / 15, (start[p][1] - start[p][0] / 15) * k),
                     qPrintable(QStringLiteral("piece %1").arg(p)));
        }
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
