#include "Board.h"
#include "catalogue/CatalogueFile.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>

namespace {
constexpr int kFields = 57;
constexpr int kBox = 165;

// Every distance between two corners, sorted: equal for congruent polygons.
QList<double> distances(const QPolygonF& g) {
    QList<double> all;
    for (qsizetype i = 0; i < g.size(); ++i)
        for (qsizetype j = i + 1; j < g.size(); ++j)
            all << QLineF(g[i], g[j]).length();
    std::sort(all.begin(), all.end());
    return all;
}

double area(const QPolygonF& g) {
    double twice = 0;
    for (qsizetype i = 0, n = g.size(); i < n; ++i)
        twice += g[i].x() * g[(i + 1) % n].y() - g[(i + 1) % n].x() * g[i].y();
    return std::abs(twice) / 2;
}

// Pixels of `marks` where the mark is set in a whole 3x3 block around them.
int solidPixels(const QImage& marks) {
    int solid = 0;
    for (int y = 1; y + 1 < marks.height(); ++y)
        for (int x = 1; x + 1 < marks.width(); ++x) {
            bool all = true;
            for (int d = 0; d < 9 && all; ++d)
                all = marks.pixelIndex(x - 1 + d % 3, y - 1 + d / 3);
            solid += all;
        }
    return solid;
}

// Clears the set pixels of `marks` joined to `start` (through the eight
// neighbours when `diagonal`, else the four) and counts them.
int takePatch(QImage* marks, QPoint start, bool diagonal) {
    int count = 0;
    QList<QPoint> todo{start};
    while (!todo.isEmpty()) {
        const QPoint p = todo.takeLast();
        if (!marks->rect().contains(p) || !marks->pixelIndex(p)) continue;
        marks->setPixel(p, 0);
        ++count;
        for (int d = 0; d < 9; ++d)
            if (diagonal || d % 2) todo << p + QPoint(d % 3 - 1, d / 3 - 1);
    }
    return count;
}

// Green pixels where the silhouette should be solid: those the outside cannot
// reach, and those in patches of three or more with black on two opposite
// sides, a crack (the tip of a narrow notch makes one or two).
int seamPixels(const QImage& black) {
    QImage green(black.size(), QImage::Format_Mono), narrow = green;
    narrow.fill(0);
    auto isBlack = [&](int x, int y) { return black.valid(x, y) && black.pixelIndex(x, y); };
    for (int y = 0; y < kBox; ++y)
        for (int x = 0; x < kBox; ++x) {
            green.setPixel(x, y, !isBlack(x, y));
            narrow.setPixel(x, y,
                            !isBlack(x, y) && ((isBlack(x - 1, y) && isBlack(x + 1, y)) ||
                                               (isBlack(x, y - 1) && isBlack(x, y + 1))));
        }
    for (int i = 0; i < kBox; ++i)
        for (const QPoint p :
             {QPoint(i, 0), QPoint(i, kBox - 1), QPoint(0, i), QPoint(kBox - 1, i)})
            takePatch(&green, p, false);
    int seams = 0;
    for (int y = 0; y < kBox; ++y)
        for (int x = 0; x < kBox; ++x) {
            seams += takePatch(&green, {x, y}, false);
            const int crack = takePatch(&narrow, {x, y}, true);
            seams += crack >= 3 ? crack : 0;
        }
    return seams;
}
} // namespace

// The catalogue that ships, read where it lies so that what is tested is what
// ships, each figure cut into the preview box by the game itself.
class FiguresTest : public QObject {
    Q_OBJECT
    Board board;
    QList<QStringList> shipped;
    QList<QImage> previews; // black pixels set
    QList<QRect> used;      // where the pieces lie

    // The figure as the preview box shows it.
    void show(int index) {
        board.form.FigureIndex = index * kFields;
        board.form.ShowFigure();
        QImage black(kBox, kBox, QImage::Format_Mono);
        black.fill(0);
        QRect all;
        for (const ColourButton* piece : board.form.Command10) {
            for (const QRect& r : piece->mask())
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        black.setPixel(x, y, 1);
            all |= piece->mask().boundingRect();
        }
        previews << black;
        used << all;
    }

  private slots:
    void initTestCase() {
        QFile file(QDir::cleanPath(__FILE__ "/../../../data/Sietari.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        board.platform.writeCatalogue(file.readAll());
        QVERIFY(board.load(false));
        const QStringList& fields = board.form.List2;
        QCOMPARE(fields.size() % kFields, 0);
        QSet<QString> names;
        for (qsizetype first = 0; first < fields.size(); first += kFields) {
            shipped << fields.mid(first, kFields);
            names << fields[first];
            show(int(first / kFields));
        }
        QCOMPARE(names.size(), shipped.size());
        QVERIFY2(shipped.size() >= 88, qPrintable(QString::number(shipped.size())));
    }

    // Seven pieces in order, each within a pixel of the game's own at the
    // preview's scale (275 over 700), none overlapping, all inside the box, and
    // not a green pixel where they meet.
    void figure_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < shipped.size(); ++i)
            QTest::newRow(shipped[i][0].toUtf8().constData()) << i;
    }
    void figure() {
        QFETCH(int, index);
        const QStringList& record = shipped[index];
        QVERIFY(QRegularExpression("^[A-Z0-9\u00D1]+$").match(record[0]).hasMatch());
        QList<QPolygonF> pieces;
        for (int p = 0; p <= 6; ++p) {
            QPolygonF saved, game;
            for (int v = 1; v <= 4; ++v) {
                const int at = 1 + (p * 4 + v - 1) * 2;
                saved << QPointF(readLeadingNumber(record[at]), readLeadingNumber(record[at + 1]));
                game << board.place(p)[v] * 275 / 700;
            }
            const QList<double> want = distances(game), got = distances(saved);
            for (qsizetype i = 0; i < want.size(); ++i)
                QVERIFY2(std::abs(got[i] - want[i]) < 1, qPrintable(QString("piece %1").arg(p)));
            for (int q = 0; q < p; ++q)
                QVERIFY(area(saved.intersected(pieces[q])) < 2);
            pieces << saved;
        }
        QVERIFY(QRect(1, 1, kBox - 2, kBox - 2).contains(used[index]));
        QCOMPARE(seamPixels(previews[index]), 0);
    }

    // No two figures with one silhouette, turned by quarter turns or mirrored:
    // after the turn they may differ only in lines a pixel or two thick, where
    // the cut rounds a side the other way.
    void distinct() {
        QList<QImage> silhouettes;
        for (int i = 0; i < previews.size(); ++i)
            silhouettes << previews[i].copy(used[i]);
        for (int i = 0; i < silhouettes.size(); ++i)
            for (int way = 0; way < 8; ++way) {
                const QImage turned = silhouettes[i]
                                          .transformed(QTransform().rotate(90 * (way % 4)))
                                          .mirrored(way >= 4, false);
                for (int j = 0; j < i; ++j) {
                    const QImage& other = silhouettes[j];
                    const QSize d = turned.size() - other.size();
                    if (std::abs(d.width()) > 1 || std::abs(d.height()) > 1) continue;
                    QImage differ(turned.size().boundedTo(other.size()), QImage::Format_Mono);
                    for (int y = 0; y < differ.height(); ++y)
                        for (int x = 0; x < differ.width(); ++x)
                            differ.setPixel(x, y,
                                            turned.pixelIndex(x, y) != other.pixelIndex(x, y));
                    QVERIFY2(solidPixels(differ) > 0,
                             qPrintable(shipped[i][0] + " " + shipped[j][0]));
                }
            }
    }
};

QTEST_MAIN(FiguresTest)
#include "FiguresTest.moc"
