// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include <QTest>

#include <QApplication>
#include <QFrame>
#include <QTransform>

// Board pixels of a band that holds the two pieces on the left edge, 2 and 5.
const QPoint kFrom(5, 200);

// What the player does to the pieces, played with real events on a shown window.
class BoardTest : public QObject {
    Q_OBJECT

    // Why piece k, as the window shows it, is not in front of the other pieces (or, sent
    // back, behind them), or shows beyond the board's edge, where the bars lie above it.
    static QString stackingFault(const Form1& form, const QImage& look, int k, bool front) {
        QRegion open = form.Label1[0]->geometry(), others;
        for (const QFrame* bar : form.Frame1)
            open -= bar->geometry();
        for (int q = 0; q <= 6; ++q)
            if (q != k && form.Command1[q]->isVisible())
                others += form.Command1[q]->mask().translated(form.Command1[q]->pos());
        const QRgb colour = toQColor(form.Command1[k]->backColour()).rgb();
        const ColourButton* piece = form.Command1[k];
        for (const QRect& r : (piece->mask() & piece->rect()).translated(piece->pos()))
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if ((look.pixel(x, y) == colour) !=
                        (open.contains({x, y}) && (front || !others.contains({x, y}))))
                        return QStringLiteral("piece %1 at (%2, %3)").arg(k).arg(x).arg(y);
        return {};
    }

    // Which box does not look as it should: dark and striped when its piece is put away,
    // washed out to grey while it cannot be used (a group stands, or the editor is on).
    static QString boxFault(const Form1& form) {
        for (int p = 0; p <= 6; ++p) {
            const QImage box = form.Check2[p]->grab().toImage();
            bool dark = false;
            float saturation = 0;
            for (int x = 3; x < box.width() - 3; ++x) {
                const QColor c = box.pixelColor(x, box.height() / 2);
                dark = dark || c.valueF() < 0.3;
                saturation = std::max(saturation, c.hsvSaturationF());
            }
            if (dark != form.Check2[p]->isChecked() ||
                (saturation < 0.3) != (form.GroupSelected || form.M.EditMode))
                return QStringLiteral("box %1").arg(p);
        }
        return {};
    }

    // Whether the top edge of the band that step g draws shows.
    static bool bandShows(const Board& board, const QImage& look) {
        const QPoint at = board.onBoard(kFrom);
        for (int x = at.x() + 1; x < at.x() + 60; ++x)
            if (look.pixel(x, at.y()) == toQColor(kBrightGreen).rgb()) return true;
        return false;
    }

  private slots:
    // Steps as Board::act plays them. After each, the screen shows what a full repaint
    // draws, the board is one play can reach, the list has not kept the focus that H
    // and V need, the boxes look as they should, and every step but a click on a name,
    // a random figure, a stored position or Shift and a click shows on the window (but a
    // right click on a group turns nothing). A piece just picked up, turned or brought
    // back shows in front, under the bars; one sent back shows behind. The band shows
    // while it is drawn, not after. A reset at the first size shows the start, a stored
    // position the board as it was stored, and a name clicked, a random figure or the
    // editor left show the figure afresh.
    void play_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("pieces on top") << "d0 t6 b4 b4 d1 t1 b0 b0";
        QTest::newRow("hints") << "h h s s h n";
        QTest::newRow("silhouette and group") << "f g d5 t2 f t5 r";
        QTest::newRow("boxes, then Todas") << "b1 b2 a";
        QTest::newRow("behind, over the edge, stored") << "d1 B1 o2 P d4 t4 C";
        QTest::newRow("editor, random figure") << "h e d4 t6 e h A";
        QTest::newRow("turns") << "t4 t4a t4c t4s w6 t4 t4 t4 t4 t4 t4 y4 x5 x5s";
    }
    void play() {
        QFETCH(QString, steps);
        BOARD(true);
        const QImage start = board.look();
        QImage stored;
        const auto same = [&](const QImage& a, const QImage& b, const QWidget* area) {
            const QRect r(area->mapTo(form.centralWidget(), QPoint()), area->size());
            return a.copy(r) == b.copy(r);
        };
        for (const QString& step : steps.split(' ')) {
            const QImage was = board.look();
            const bool still = step[0] == 't' && form.GroupSelected;
            const int k = step.mid(1, 1).toInt();
            const QList<QPointF> before = board.place(k);
            board.act(step);
            const QImage now = board.look();
            QVERIFY(form.List1->isActiveWindow() && !form.List1->hasFocus());
            QVERIFY2(board.screenIsFresh(), qPrintable(step));
            QCOMPARE(board.inconsistency(), QString());
            QCOMPARE(boxFault(form), QString());
            QVERIFY2(QString("nAPB").contains(step[0]) || (now == was) == still, qPrintable(step));
            // Piece k's corners follow the pointer, turn about its centre counter-clockwise on
            // the screen (whose y grows downwards), clockwise with a modifier, or mirror.
            const QPointF c = before[0] / 15;
            QTransform about = QTransform::fromTranslate(c.x(), c.y());
            if (step[0] == 't' && !still) about.rotate(step.size() > 2 ? 45 : -45);
            if (step[0] == 'w') about.rotate(-90);
            if (step[0] == 'x') about.scale(-1, 1);
            about.translate(-c.x(), -c.y());
            const QPointF by =
                QMap<QChar, QPointF>{{'d', {20, -30}}, {'y', {20, -30}}, {'o', {-40, 0}}}.value(
                    step[0]);
            for (int v = 1; v <= 4 && QString("dotwxy").contains(step[0]) && !board.away(k); ++v)
                QVERIFY2(Board::near(board.place(k)[v], about.map(before[v]) + by),
                         qPrintable(step));
            if (QString("dotwxyB").contains(step[0]) && !form.GroupSelected && !board.away(k))
                QCOMPARE(stackingFault(form, now, k, step[0] != 'B'), QString());
            if (step[0] == 'g') QVERIFY(bandShows(board, board.midway) && !bandShows(board, now));
            if (step[0] == 'P') stored = now;
            if (step[0] == 'C' || (step[0] == 'r' && form.MnuTam[0]->isChecked()))
                QVERIFY(same(now, step[0] == 'r' ? start : stored, form.Label4));
            if (QString("nA").contains(step[0]) || (step[0] == 'e' && !form.M.EditMode))
                QVERIFY(same(now, start, form.Label1[1]));
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
    // kept, the group over.
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
        QCOMPARE(board.inconsistency(), QString()); // the members grey too
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(board.place(p)[0], start[p][0]);
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
