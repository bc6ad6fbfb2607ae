#include "BoardDriver.h"
#include "TestMain.h"

#include <QAction>
#include <QMouseEvent>
#include <algorithm>

namespace {
// Board pixels of a band that holds the two pieces on the left edge, 2 and 5.
const QPoint kLeftFrom(5, 200);
const QPoint kLeftTo(65, 431);

QList<int> whitePieces(const Form1& form) {
    QList<int> white;
    for (int p = 0; p <= 6; ++p)
        if (form.Command1[p]->backColour() == kWhite) white << p;
    return white;
}

// What is wrong with the board, as the player could see it; empty when the
// board is in a state that play can reach.
QString inconsistency(const Board& board) {
    const Form1& form = board.form;
    if (form.M.Dragging) return "still dragging";
    if (form.Command1[7]->isVisible() != form.GroupSelected)
        return "group button shown without a group, or the reverse";
    for (int p = 0; p <= 6; ++p) {
        const bool member =
            form.GroupSelected &&
            std::count(form.ReshapeList.begin() + 1, form.ReshapeList.end(), int16_t(p)) > 0;
        if (member && (form.Command1[p]->backColour() != kWhite || form.Command1[p]->isVisible()))
            return QStringLiteral("group member %1 shown or in colour").arg(p);
        if (!member && !board.shownInColour(p) && !board.putAway(p))
            return QStringLiteral("piece %1 neither on the board nor put away").arg(p);
        if (form.Check2[p]->isEnabled() == form.GroupSelected)
            return QStringLiteral("box %1 enabled during a group, or the reverse").arg(p);
    }
    return {};
}
} // namespace

class BoardSelectionTest : public QObject {
    Q_OBJECT
  private slots:
    void selectionBand_data();
    void selectionBand();
    void groupDrag_data();
    void groupDrag();
    void pieceSizes_data();
    void pieceSizes();
    void checkBoxes_data();
    void checkBoxes();
    void eventsInsideHandlers_data();
    void eventsInsideHandlers();
};

void BoardSelectionTest::selectionBand_data() {
    QTest::addColumn<QPoint>("from"); // board pixels
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("fromPreview"); // started on the preview square's rim
    QTest::addColumn<bool>("onBorder");    // piece 2's right corner exactly at x 72 of the window
    QTest::addColumn<QList<int>>("enclosed");
    QTest::newRow("two pieces") << kLeftFrom << kLeftTo << false << false << QList<int>{2, 5};
    QTest::newRow("backwards") << kLeftTo << kLeftFrom << false << false << QList<int>{2, 5};
    QTest::newRow("one piece") << QPoint(190, 300) << QPoint(294, 432) << false << false
                               << QList<int>{3};
    QTest::newRow("all seven") << QPoint(1, 150) << QPoint(432, 432) << false << false
                               << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("corner on the border is outside")
        << kLeftFrom << QPoint(56, 431) << false << true << QList<int>{5};
    QTest::newRow("one pixel further it is inside")
        << kLeftFrom << QPoint(57, 431) << false << true << QList<int>{2, 5};
    QTest::newRow("from the preview rim")
        << QPoint(1, 1) << kLeftTo << true << false << QList<int>{2, 5};
}

void BoardSelectionTest::selectionBand() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, fromPreview);
    QFETCH(bool, onBorder);
    QFETCH(QList<int>, enclosed);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    if (onBorder) {
        double(&corner)[5][3] = form.M.PieceVertex[2];
        const double shift = 64 - corner[1][1];
        for (int v = 1; v <= 4; ++v)
            corner[v][1] += shift;
        corner[1][1] = 64;
        form.M.PieceCentre[2][1] += shift * 15;
        form.ReshapeList = {0, 2};
        form.ReshapeCount = 1;
        form.ReshapePieces();
    }
    QRegion outline;
    for (int p : enclosed)
        outline += form.Command1[p]->mask();
    const auto client = [&](QPoint at) {
        return fromPreview ? form.Label1[1]->mapTo(form.centralWidget(), at) : board.onBoard(at);
    };

    board.press(client(from));
    board.move(client((from + to) / 2));
    board.move(client(to));
    QVERIFY(form.Shape2->isVisible());
    QCOMPARE(form.Shape2->geometry(),
             QRect(board.onBoard(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y()))),
                   QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()))));
    board.release(client(to));
    QVERIFY(form.Shape2->isHidden());

    const bool group = enclosed.size() >= 2;
    QCOMPARE(form.GroupSelected, group);
    QCOMPARE(form.Command1[7]->isVisible(), group);
    QCOMPARE(whitePieces(form), group ? enclosed : QList<int>());
    for (int p = 0; p <= 6; ++p) {
        QCOMPARE(form.Check2[p]->isEnabled(), !group);
        if (!group || !enclosed.contains(p))
            QVERIFY(board.shownInColour(p));
        else
            QVERIFY(form.Command1[p]->isHidden());
    }
    if (group) QCOMPARE(form.Command1[7]->mask(), outline);
}

void BoardSelectionTest::groupDrag_data() {
    QTest::addColumn<QList<QPoint>>(
        "moves");                         // pointer offsets from the press; released at the last
    QTest::addColumn<bool>("thenPiece");  // dissolved by a press on a piece, else on the board
    QTest::addColumn<bool>("silhouette"); // "Silueta" turned on while the group stands
    QTest::newRow("one move") << QList<QPoint>{{30, 20}} << true << false;
    QTest::newRow("several moves, silhouette")
        << QList<QPoint>{{-5, 3}, {-12, -20}, {-12, -40}} << false << true;
    QTest::newRow("back where it started, silhouette")
        << QList<QPoint>{{50, 50}, {0, 0}} << true << true;
}

void BoardSelectionTest::groupDrag() {
    QFETCH(QList<QPoint>, moves);
    QFETCH(bool, thenPiece);
    QFETCH(bool, silhouette);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    board.band(kLeftFrom, kLeftTo);
    QVERIFY(form.GroupSelected);
    PiecePlace start[7];
    for (int p = 0; p <= 6; ++p)
        start[p] = PiecePlace(form, p);
    const auto colour = [&](int p) { return silhouette ? kGrey : kPieceColours[p]; };
    if (silhouette) form.MnuSilueta->trigger();
    const QPoint grip = board.onPiece(2);

    board.press(grip);
    for (const QPoint& d : moves)
        board.move(grip + d);
    board.release(grip + moves.last());
    for (int p = 0; p <= 6; ++p) {
        const bool member = p == 2 || p == 5;
        QCOMPARE(start[p].offBy(PiecePlace(form, p), member ? moves.last() : QPoint()), 0.0);
        QCOMPARE(form.Command1[p]->isHidden(), member);
        QCOMPARE(form.Command1[p]->backColour(), member ? kWhite : colour(p));
    }
    QVERIFY(form.GroupSelected);
    QVERIFY(form.Command1[7]->isVisible());

    const QPoint elsewhere = thenPiece ? board.onPiece(3) : board.onBoard({200, 100});
    board.press(elsewhere); // the press itself ends the group
    QVERIFY(!form.GroupSelected);
    QVERIFY(form.Command1[7]->isHidden());
    for (int p = 0; p <= 6; ++p) {
        QVERIFY(form.Command1[p]->isVisible());
        QCOMPARE(form.Command1[p]->backColour(), colour(p));
    }
    board.release(elsewhere);
    if (silhouette) form.MnuSilueta->trigger();
    QVERIFY(!form.MnuSilueta->isChecked());
    QCOMPARE(inconsistency(board), QString()); // every piece in its own colour again
}

void BoardSelectionTest::pieceSizes_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("group");
    const int twips[4] = {700, 600, 512, 423};
    for (int i = 0; i < 4; ++i)
        QTest::addRow("%d twips", twips[i]) << i << false;
    QTest::newRow("512 twips with a group") << 2 << true;
    QTest::newRow("423 twips with a group") << 3 << true;
}

void BoardSelectionTest::pieceSizes() {
    QFETCH(int, item);
    QFETCH(bool, group);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    const double scale = QList<int>{700, 600, 512, 423}[item] / 700.0;
    PiecePlace start[7];
    for (int p = 0; p <= 6; ++p)
        start[p] = PiecePlace(form, p);
    if (group) board.band(kLeftFrom, kLeftTo);

    form.MnuTam[item]->trigger();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form.MnuTam[i]->isChecked(), i == item);
    QVERIFY(!form.GroupSelected);
    QCOMPARE(inconsistency(board), QString());
    for (int p = 0; p <= 6; ++p) {
        QVERIFY(board.shownInColour(p));
        const PiecePlace now(form, p);
        QCOMPARE(now.centre[1], start[p].centre[1]);
        QCOMPARE(now.centre[2], start[p].centre[2]);
        for (int v = 1; v <= 4; ++v)
            for (int c = 1; c <= 2; ++c) // same turn, every corner as far off in proportion
                QVERIFY(std::abs((now.vertex[v][c] - now.centre[c] / 15) -
                                 (start[p].vertex[v][c] - start[p].centre[c] / 15) * scale) < 1e-6);
    }
    // A band round the square and the small triangle beside it holds just those.
    board.band({192, 322}, {342, 432});
    QVERIFY(form.GroupSelected);
    QCOMPARE(whitePieces(form), (QList<int>{3, 4}));
}

void BoardSelectionTest::checkBoxes_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("box 1 by code") << 1 << false;
    QTest::newRow("box 1 by mouse") << 1 << true;
    QTest::newRow("box 5 by mouse") << 5 << true;
    QTest::newRow("box 6 by code") << 6 << false;
}

void BoardSelectionTest::checkBoxes() {
    QFETCH(int, piece);
    QFETCH(bool, byMouse);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    const auto tick = [&](int p, bool on) {
        if (byMouse)
            board.click(form.Check2[p]);
        else
            form.Check2[p]->setChecked(on);
    };

    tick(piece, true);
    QVERIFY(board.putAway(piece));
    tick(piece, false);
    QVERIFY(board.shownInColour(piece));
    QVERIFY(board.inFrontUnderBars(piece));

    tick(piece, true);
    tick((piece + 3) % 7, true);
    QVERIFY(board.putAway((piece + 3) % 7));
    board.click(form.Command3); // "Todas"
    for (int p = 0; p <= 6; ++p)
        QVERIFY(board.shownInColour(p));
}

// Handlers let pending events run in their middle. A quick player's release,
// and what follows it, may wait in the queue while a move is handled; the
// board must still end in a state that play can reach.
void BoardSelectionTest::eventsInsideHandlers_data() {
    QTest::addColumn<bool>("group");   // the group of 2 and 5 is dragged, else one piece
    QTest::addColumn<bool>("dropOff"); // piece 0 goes right of the board, else piece 3 moves a bit
    QTest::addColumn<int>("after");    // after the release: 0 nothing, 1 a click on piece 3,
                                       // 2 a click on the board, 3 a band round 2 and 5
    QTest::newRow("release") << false << false << 0;
    QTest::newRow("release, band") << false << false << 3;
    QTest::newRow("drop off the board") << false << true << 0;
    QTest::newRow("drop off the board, band") << false << true << 3;
    QTest::newRow("group release") << true << false << 0;
    QTest::newRow("group release, piece click") << true << false << 1;
    QTest::newRow("group release, board click") << true << false << 2;
}

void BoardSelectionTest::eventsInsideHandlers() {
    QFETCH(bool, group);
    QFETCH(bool, dropOff);
    QFETCH(int, after);
    Board board;
    QVERIFY(board.open());
    Form1& form = board.form;
    if (group) board.band(kLeftFrom, kLeftTo);
    const QPoint grip = board.onPiece(group ? 2 : dropOff ? 0 : 3);
    const QPoint to = grip + (dropOff ? QPoint(136, 0) : QPoint(10, 10));
    const auto post = [&](QWidget* target, QEvent::Type type, QPoint at) {
        const QPointF local = target->mapFrom(form.centralWidget(), at);
        const bool down = type != QEvent::MouseButtonRelease;
        QCoreApplication::postEvent(
            target, new QMouseEvent(type, local, target->mapToGlobal(local),
                                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                                    down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    };
    const auto postClick = [&](QWidget* target, QPoint from, QPoint till) {
        post(target, QEvent::MouseButtonPress, from);
        post(target, QEvent::MouseMove, till);
        post(target, QEvent::MouseButtonRelease, till);
    };

    board.press(grip);
    post(form.Command1[group ? 7 : dropOff ? 0 : 3], QEvent::MouseButtonRelease, to);
    if (after == 1) postClick(form.Command1[3], board.onPiece(3), board.onPiece(3));
    if (after == 2) postClick(form.Label1[0], board.onBoard({200, 100}), board.onBoard({200, 100}));
    if (after == 3) postClick(form.Label1[0], board.onBoard(kLeftFrom), board.onBoard(kLeftTo));
    board.move(to); // all of the above is handled inside this move
    QVERIFY(!form.M.Dragging);
    board.release(to); // the real button, long since let go by the game
    QCOMPARE(inconsistency(board), QString());
    if (dropOff) QVERIFY(board.putAway(0));
    if (after == 3) QCOMPARE(whitePieces(form), (QList<int>{2, 5}));
}

SIETARI_REGISTER_TEST(BoardSelectionTest)
#include "BoardSelectionTest.moc"
