#include "Board.h"
#include "catalogue/CatalogueFile.h"
#include <QTest>

#include <QDir>
#include <QListWidget>
#include <set>

// Every distance between two corners, sorted: the same for congruent pieces.
static QList<double> distances(const QList<QPointF>& corners, double scale = 1) {
    QList<double> all;
    for (int i = 0; i < 16; ++i)
        all << QLineF(corners[i / 4], corners[i % 4]).length() * scale;
    std::sort(all.begin(), all.end());
    return all;
}

// The region with every pixel that touches it (corners too) added: widened
// by a pixel each way, then heightened.
static QRegion grown(const QRegion& region) {
    const QRegion wide = region | region.translated(1, 0) | region.translated(-1, 0);
    return wide | wide.translated(0, 1) | wide.translated(0, -1);
}

// The catalogue that ships, read where the game finds it beside itself once
// installed, and shown by the game.
class FiguresTest : public QObject {
    Q_OBJECT
    Board board;

  private slots:
    void figure_data() {
        QTest::addColumn<int>("row");
        board.platform.folder = QDir::cleanPath(__FILE__ "/../../../data");
        QVERIFY(board.load(false));
        for (int row = 0; row < board.form.List1->count(); ++row)
            QTest::newRow(qPrintable(board.form.List1->item(row)->text())) << row;
        // A player finds at least 200 figures in the list, each its own record:
        // of two records under one name the list shows the last only.
        const std::set<int> records(board.form.RowRecord.begin(), board.form.RowRecord.end());
        QVERIFY(records.size() >= 200 && records.size() * 57 == size_t(board.form.List2.size()));
    }

    // Chosen from the list, a figure shows the seven pieces the player moves,
    // each within a pixel of the game's own at the preview's scale, and no
    // green line where two of them meet.
    void figure() {
        QFETCH(int, row);
        board.form.selectFigure(row);
        QList<QPointF> corners; // the pieces' four each, as the record holds them
        for (int at = board.form.FigureIndex + 1; corners.size() < 28; at += 2)
            corners << QPointF(readLeadingNumber(board.form.List2[at]),
                               readLeadingNumber(board.form.List2[at + 1]));
        QRegion drawn;
        for (int p = 0; p <= 6; ++p) {
            const QList<double> own = distances(board.place(p).mid(1), 275.0 / 700);
            const QList<double> shown = distances(corners.mid(4 * p, 4));
            for (int i = 0; i < 16; ++i)
                QVERIFY2(std::abs(own[i] - shown[i]) < 1, qPrintable(QString("piece %1").arg(p)));
            drawn |= board.form.Command10[p]->mask();
        }
        // Green that a closing of the drawing fills (the outside grown back
        // once after the drawing grew) is a seam when it lies more than three
        // pixels in: notch tips in the shipped figures lie within two of the
        // outside, while a piece a pixel off its neighbour leaves green five or
        // more pixels in.
        const QRegion box(drawn.boundingRect().adjusted(-2, -2, 2, 2));
        const QRegion outside = grown(grown(grown(grown(box - grown(drawn)))));
        QCOMPARE((box - drawn - outside).boundingRect(), QRect());
    }
};

QTEST_MAIN(FiguresTest)
#include "FiguresTest.moc"
