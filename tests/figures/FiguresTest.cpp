#include "Board.h"
#include "catalogue/CatalogueFile.h"
#include <QTest>

#include <QDir>
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

// A black-and-white picture, white all around.
struct Bitmap {
    int width = kBox, height = kBox;
    std::vector<char> bits = std::vector<char>(size_t(width * height));

    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && bits[size_t(y * width + x)];
    }
    void set(int x, int y, bool on) { bits[size_t(y * width + x)] = on; }

    // Clears the set pixels joined to `start` (through the eight neighbours when
    // `diagonal`, else the four) and counts them.
    int takePatch(QPoint start, bool diagonal) {
        int count = 0;
        QList<QPoint> todo{start};
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            if (!at(p.x(), p.y())) continue;
            set(p.x(), p.y(), false);
            ++count;
            for (int d = 0; d < 9; ++d)
                if (diagonal || d % 2) todo << p + QPoint(d % 3 - 1, d / 3 - 1);
        }
        return count;
    }
};

// Green pixels where the silhouette should be solid: those the outside cannot
// reach, and those in patches of three or more with black on two opposite
// sides, a crack (the tip of a narrow notch makes one or two).
int seamPixels(const Bitmap& black) {
    Bitmap green, narrow;
    for (int y = 0; y < kBox; ++y)
        for (int x = 0; x < kBox; ++x) {
            const bool white = !black.at(x, y);
            green.set(x, y, white);
            narrow.set(x, y,
                       white && ((black.at(x - 1, y) && black.at(x + 1, y)) ||
                                 (black.at(x, y - 1) && black.at(x, y + 1))));
        }
    for (int i = 0; i < kBox; ++i)
        for (const QPoint p :
             {QPoint(i, 0), QPoint(i, kBox - 1), QPoint(0, i), QPoint(kBox - 1, i)})
            green.takePatch(p, false);
    int seams = 0;
    for (int y = 0; y < kBox; ++y)
        for (int x = 0; x < kBox; ++x) {
            seams += green.takePatch({x, y}, false);
            const int crack = narrow.takePatch({x, y}, true);
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
    QList<Bitmap> previews; // black where a piece is
    QList<QRect> used;      // where the pieces lie

    // The figure as the preview box shows it.
    void show(int index) {
        board.form.FigureIndex = index * kFields;
        board.form.ShowFigure();
        Bitmap black;
        QRect all;
        for (const ColourButton* piece : board.form.Command10) {
            for (const QRect& r : piece->mask() & QRegion(0, 0, kBox, kBox))
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        black.set(x, y, true);
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
        const CatalogueFields& fields = board.form.List2;
        QCOMPARE(fields.size() % kFields, 0);
        QSet<QString> names;
        for (qsizetype first = 0; first < fields.size(); first += kFields) {
            shipped << fields.mid(first, kFields);
            names << fields[first];
            show(int(first / kFields));
        }
        QCOMPARE(names.size(), shipped.size());
        QVERIFY2(shipped.size() >= 200, qPrintable(QString::number(shipped.size())));
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
};

QTEST_MAIN(FiguresTest)
#include "FiguresTest.moc"
