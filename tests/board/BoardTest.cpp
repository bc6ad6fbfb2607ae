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
        const ColourButton* piece = form.Command1[k];
        const QRgb colour = toQColor(piece->backColour()).rgb();
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
            const QColor mean = box.copy(box.rect().adjusted(3, 3, -3, -3))
                                    .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .pixelColor(0, 0);
            if ((mean.valueF() < 0.6) != form.Check2[p]->isChecked() ||
                (mean.hsvSaturationF() < 0.3) != (form.GroupSelected || form.M.EditMode))
                return QStringLiteral("box %1").arg(p);
        }
        return {};
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
        QTest::newRow("behind, over the edge, stored") << "d1 B1 b1 b1 o2 P d4 t4 C";
        QTest::newRow("editor, random figure") << "h e d4 t6 e h A";
        QTest::newRow("turns") << "H4 d4 V4 d4 t4 t4a t4c t4s w6 t4 t4 t4 t4 t4 t4 x4 m5 m5s";
    }
    void play() {
        QFETCH(QString, steps);
        BOARD(true);
        const QImage start = board.look();
        QImage stored;
        const QRect boardArea = form.Label4->geometry(),
                    preview = form.Label1[1]->geometry().translated(form.Frame1[3]->pos());
        for (const QString& step : steps.split(' ')) {
            const QImage was = board.look();
            const bool still = step[0] == 't' && form.GroupSelected;
            const int k = step.mid(1, 1).toInt();
            const QList<QPointF> before = board.place(k);
            board.act(step);
            const QImage now = board.look();
            QVERIFY(form.List1->isActiveWindow() && !form.List1->hasFocus());
            QVERIFY2(board.screenIsFresh(), qPrintable(step));
            QCOMPARE(board.inconsistency() + boxFault(form), QString());
            QVERIFY2(QString("nAPB").contains(step[0]) || (now == was) == still, qPrintable(step));
            // Piece k's corners follow the pointer, turn about its centre counter-clockwise on
            // the screen (whose y grows downwards), clockwise with a modifier, or mirror.
            const QPointF c = before[0] / 15;
            QTransform about = QTransform::fromTranslate(c.x(), c.y());
            if (step[0] == 't' && !still) about.rotate(step.size() > 2 ? 45 : -45);
            if (step[0] == 'w') about.rotate(-90);
            if (step[0] == 'm') about.scale(-1, 1);
            about.translate(-c.x(), -c.y());
            const QPointF by = QList<QPointF>{{}, {20, -30}, {20, -30}, {-40, 0}, {20, 0}, {0, -30}}
                [QString("dxoHV").indexOf(step[0]) + 1];
            for (int v = 1; v <= 4 && QString("dotwxmHV").contains(step[0]) && !board.away(k); ++v)
                QVERIFY2((board.place(k)[v] - about.map(before[v]) - by).manhattanLength() < 1e-6,
                         qPrintable(step));
            if (QString("dotwxmHVBb").contains(step[0]) && !form.GroupSelected && !board.away(k))
                QCOMPARE(stackingFault(form, now, k, step[0] != 'B'), QString());
            const QRect bandEdge(board.onBoard(kFrom), QSize(60, 1)); // of the band g draws
            if (step[0] == 'g')
                QVERIFY(board.midway.copy(bandEdge) != was.copy(bandEdge) &&
                        now.copy(bandEdge) == was.copy(bandEdge));
            if (step[0] == 'P') stored = now;
            if (step[0] == 'C' || (step[0] == 'r' && form.MnuTam[0]->isChecked()))
                QVERIFY(now.copy(boardArea) == (step[0] == 'r' ? start : stored).copy(boardArea));
            if (QString("nA").contains(step[0]) || (step[0] == 'e' && !form.M.EditMode))
                QVERIFY(now.copy(preview) == start.copy(preview));
        }
    }

    // The square, its left corner just inside the board's right edge (433), is turned:
    // every corner is then outside, and the piece is put away.
    void turnedOffTheBoard() {
        BOARD(true);
        form.M.PieceCentre[4][1] = (432 + 695 / 15.0) * 15;
        form.Command1_MouseDown(4, Qt::RightButton, 0, 0, 0);
        QVERIFY(board.away(4));
    }

    // A band selects the pieces strictly inside it (piece 2's corner is moved to x 56),
    // then a size is chosen: centres kept, the group over.
    void groupThenSize_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<int>>("moved"); // the pieces inside
        QTest::addColumn<int>("size");         // item of the size menu
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
        for (int p = 0; p <= 6; ++p) // the members stand under the group's outline
            QCOMPARE(form.Command1[p]->isVisible(), !form.GroupSelected || !moved.contains(p));
        const QList<QList<QPointF>> start = board.places();
        form.MnuTam[size]->trigger();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form.MnuTam[i]->isChecked(), i == size);
        QVERIFY(!form.GroupSelected);
        QCOMPARE(board.inconsistency(), QString()); // the members back in colour
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(board.place(p)[0], start[p][0]);
    }
};

QTEST_MAIN(BoardTest)
#include "BoardTest.moc"
