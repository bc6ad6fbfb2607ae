#include "catalogue/CatalogueFile.h"
#include "geometry/PolarGeometry.h"
#include "model/Module1.h"

#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kFieldsPerFigure = 57;
constexpr int kMinimumFigures = 30;
constexpr double kPreviewBox = 165;
// The editor shows the board in the preview box at the preview size over the
// size unit.
constexpr double kPreviewScale = 275.0 / 700.0;
// Saved vertices are whole board pixels scaled down, so a saved side may miss
// the true one by a fraction of a preview pixel, never by a whole one.
constexpr double kLengthTolerance = 1.0;
// Pieces laid edge to edge keep a hairline gap; whole-pixel rounding may turn
// it into a sliver of overlap, never into a visible one.
constexpr double kOverlapTolerance = 2.0;

// The catalogue as it is committed, read where it lies in the source tree so
// that what is tested is what ships.
QString shippedCataloguePath() {
    const QDir here = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
    return QDir::cleanPath(here.filePath(QStringLiteral("../../data/Sietari.dat")));
}

Module1 gameTables() {
    Module1 m;
    m.PieceSize = 700;
    m.SlopeAngle2 = 63.4349488;
    m.SlopeAngle3 = 71.56505117708;
    m.InitPieceTables(6735, 6735);
    return m;
}

// Triangles repeat their third vertex as the fourth in the game's tables.
bool isTriangle(const Module1& m, int p) {
    return m.PieceAngle[p][4] == m.PieceAngle[p][3] && m.PieceRadius[p][4] == m.PieceRadius[p][3];
}

// Sorted side lengths, then sorted diagonals: equal for congruent polygons,
// whichever way they are turned or mirrored.
QList<double> shapeSignature(const QPolygonF& polygon) {
    const int n = int(polygon.size());
    QList<double> sides;
    QList<double> diagonals;
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const QPointF d = polygon[i] - polygon[j];
            const double length = std::hypot(d.x(), d.y());
            const bool side = j == i + 1 || (i == 0 && j == n - 1);
            (side ? sides : diagonals).append(length);
        }
    }
    std::sort(sides.begin(), sides.end());
    std::sort(diagonals.begin(), diagonals.end());
    return sides + diagonals;
}

// Piece p as the game draws it, at the scale of the preview box.
QPolygonF referencePiece(int p) {
    const Module1 m = gameTables();
    QPolygonF polygon;
    const int corners = isTriangle(m, p) ? 3 : 4;
    for (int v = 1; v <= corners; ++v) {
        const PixelPoint point = polarToPixel(m.PieceAngle[p][v], m.PieceRadius[p][v], 0, 0);
        polygon << QPointF(point.x, point.y) * kPreviewScale;
    }
    return polygon;
}

double area(const QPolygonF& polygon) {
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

bool isCatalogueNumber(const QString& field) {
    static const QRegularExpression number(QStringLiteral("^-?(\\d+(\\.\\d{1,2})?|\\.\\d{1,2})$"));
    return number.match(field).hasMatch();
}

QPointF vertexOf(const QStringList& record, int p, int v) {
    const int field = 1 + (p * 4 + (v - 1)) * 2;
    return {readLeadingNumber(record[field]), readLeadingNumber(record[field + 1])};
}

// The distinct corners of piece p of a complete record.
QPolygonF pieceOf(const QStringList& record, int p, bool triangle) {
    QPolygonF polygon;
    for (int v = 1; v <= (triangle ? 3 : 4); ++v)
        polygon << vertexOf(record, p, v);
    return polygon;
}

} // namespace

class TestShippedFigures : public QObject {
    Q_OBJECT

    QStringList fields;
    QList<QStringList> records;

    // One row per figure, named after it, holding its fields.
    void addFigureRows() {
        QTest::addColumn<QStringList>("record");
        QSet<QString> tags;
        for (const QStringList& record : records) {
            QString tag = record.value(0);
            for (int k = 2; tags.contains(tag); ++k)
                tag = record.value(0) + QStringLiteral(" #%1").arg(k);
            tags.insert(tag);
            QTest::newRow(tag.toUtf8().constData()) << record;
        }
    }

  private slots:
    void initTestCase() {
        QVERIFY2(readCatalogueFile(shippedCataloguePath(), &fields),
                 qPrintable(shippedCataloguePath()));
        for (qsizetype first = 0; first < fields.size(); first += kFieldsPerFigure)
            records.append(fields.mid(first, kFieldsPerFigure));
    }

    void catalogueIsWholeAndVaried() {
        QFile file(shippedCataloguePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        QVERIFY(bytes.endsWith("\r\n"));

        QCOMPARE(fields.size() % kFieldsPerFigure, 0);
        QVERIFY2(records.size() >= kMinimumFigures, qPrintable(QString::number(records.size())));
        QSet<QString> names;
        for (const QStringList& record : records) {
            QVERIFY2(!names.contains(record.first()), qPrintable(record.first()));
            names.insert(record.first());
        }
    }

    void recordIsWellFormed_data() { addFigureRows(); }
    void recordIsWellFormed() {
        QFETCH(QStringList, record);
        QCOMPARE(record.size(), kFieldsPerFigure);
        static const QRegularExpression name(QStringLiteral("^[A-Z0-9\u00D1]+$"));
        QVERIFY2(name.match(record.first()).hasMatch(), qPrintable(record.first()));
        for (int i = 1; i < kFieldsPerFigure; ++i) {
            QVERIFY2(isCatalogueNumber(record[i]), qPrintable(record[i]));
            const double value = readLeadingNumber(record[i]);
            QVERIFY2(value >= 0 && value <= kPreviewBox, qPrintable(record[i]));
        }
    }

    void piecesKeepTheirShape_data() { addFigureRows(); }
    void piecesKeepTheirShape() {
        QFETCH(QStringList, record);
        QCOMPARE(record.size(), kFieldsPerFigure);
        const Module1 m = gameTables();
        for (int p = 0; p <= 6; ++p) {
            const bool triangle = isTriangle(m, p);
            if (triangle) QCOMPARE(vertexOf(record, p, 4), vertexOf(record, p, 3));
            const QList<double> expected = shapeSignature(referencePiece(p));
            const QList<double> actual = shapeSignature(pieceOf(record, p, triangle));
            QCOMPARE(actual.size(), expected.size());
            for (qsizetype i = 0; i < expected.size(); ++i) {
                QVERIFY2(std::abs(actual[i] - expected[i]) < kLengthTolerance,
                         qPrintable(QStringLiteral("piece %1: %2 instead of %3")
                                        .arg(p)
                                        .arg(actual[i])
                                        .arg(expected[i])));
            }
        }
    }

    void piecesDoNotOverlap_data() { addFigureRows(); }
    void piecesDoNotOverlap() {
        QFETCH(QStringList, record);
        QCOMPARE(record.size(), kFieldsPerFigure);
        const Module1 m = gameTables();
        QList<QPolygonF> pieces;
        for (int p = 0; p <= 6; ++p)
            pieces << pieceOf(record, p, isTriangle(m, p));
        for (int a = 0; a <= 6; ++a) {
            for (int b = a + 1; b <= 6; ++b) {
                const double shared = area(pieces[a].intersected(pieces[b]));
                QVERIFY2(shared < kOverlapTolerance,
                         qPrintable(QStringLiteral("pieces %1 and %2 share %3 square pixels")
                                        .arg(a)
                                        .arg(b)
                                        .arg(shared)));
            }
        }
    }
};

SIETARI_REGISTER_TEST(TestShippedFigures)

#include "tst_ShippedFigures.moc"
