#include "catalogue/CatalogueFile.h"
#include "geometry/PolarGeometry.h"
#include "model/Module1.h"

#include "TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

namespace {
const QByteArray kOpen = "\"A\"\r\n3,4";

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Sorted sides, then sorted diagonals: equal for congruent polygons.
QList<double> shapeSignature(const QPolygonF& g) {
    QList<double> sides, diags;
    for (int i = 0, n = int(g.size()); i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            (j - i == 1 || j - i == n - 1 ? sides : diags) << QLineF(g[i], g[j]).length();
    std::sort(sides.begin(), sides.end());
    std::sort(diags.begin(), diags.end());
    return sides + diags;
}

double area(const QPolygonF& g) {
    double twice = 0;
    for (qsizetype i = 0, n = g.size(); i < n; ++i)
        twice += g[i].x() * g[(i + 1) % n].y() - g[(i + 1) % n].x() * g[i].y();
    return std::abs(twice) / 2;
}
} // namespace

// The file layer on small files in a temporary folder, then the catalogue that ships.
class TestCatalogueFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString path = dir.filePath("Sietari.dat");
    QList<QStringList> shipped;

  private slots:
    void init() { QFile::remove(path); }

    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("order, stray field") << QByteArray("\"CISNE\"\r\n1,2\r\n3.5,-4\r\n7\r\n")
                                            << QStringList{"CISNE", "1", "2", "3.5", "-4", "7"};
        QTest::newRow("comma and blanks inside quotes")
            << QByteArray("\" UNO, DOS \",5\r\n") << QStringList{" UNO, DOS ", "5"};
        QTest::newRow("blanks and blank lines")
            << QByteArray("\r\n  \"A\" \t,  1 \r\n \t\r\n\t2\r\n") << QStringList{"A", "1", "2"};
        // LF-only lines, no final line end, the number forms.
        QTest::newRow("LF only") << QByteArray("\"A\"\n.39,0.39\n-.5,41")
                                 << QStringList{"A", ".39", "0.39", "-.5", "41"};
        QTest::newRow("N tilde is byte D1")
            << QByteArray("\"PI\321A\"\r\n") << QStringList{QString::fromUtf8("PIÑA")};
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QVERIFY(writeBytes(path, bytes));
        QStringList read;
        QVERIFY(readCatalogueFile(path, &read));
        QCOMPARE(read, fields);
    }

    // Awkward numbers at places that tell piece, vertex and axis apart. The file the
    // record is appended to lacks its final line end.
    void writeThenRead() {
        double t[8][5][3] = {};
        t[0][1][1] = 0.39, t[0][1][2] = -0.5, t[3][2][1] = 176.394, t[3][2][2] = -0.006;
        t[5][3][1] = 40.999, t[5][3][2] = 12.566, t[6][4][1] = -41, t[6][4][2] = -0.001;
        QByteArrayList rows(28, "0,0");
        rows[0] = ".39,-.5", rows[13] = "176.39,-.01", rows[22] = "41,12.57", rows[27] = "-41,0";
        const QByteArray want = "\"CIG\334E\321A, LA\"\r\n" + rows.join("\r\n") + "\r\n";
        const QString name = QString::fromUtf8("CIGÜEÑA, LA");
        QCOMPARE(buildFigureRecord(name, t), want);
        for (const QString& bad : {QString::fromUtf8("ΚΥΚΝΟΣ"), QString("\"A\""), QString("A\nB")})
            QVERIFY2(buildFigureRecord(bad, t).isEmpty(), qPrintable(bad));

        QString error;
        QVERIFY(writeBytes(path, kOpen));
        QVERIFY(appendFigureRecord(path, want, &error));
        QCOMPARE(readBytes(path), kOpen + "\r\n" + want);
        QStringList fields;
        QVERIFY(readCatalogueFile(path, &fields));
        QCOMPARE(fields.size(), 3 + 57);
        QCOMPARE(fields[3], name);
        for (int i = 1; i < 57; ++i) {
            const double written = t[(i - 1) / 8][(i - 1) % 8 / 2 + 1][2 - i % 2];
            QCOMPARE(readLeadingNumber(fields[3 + i]), std::round(written * 100) / 100);
        }
    }

    // A file size limit makes the kernel take only part of the write, the one
    // failure that could leave half a record behind.
    void failedAppend_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing file cut back") << true;
        QTest::newRow("created file removed") << false;
    }
    void failedAppend() {
        QFETCH(bool, exists);
        if (exists) QVERIFY(writeBytes(path, kOpen));
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const rlimit capped{20, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &capped) == 0);
        QString error;
        const bool ok = appendFigureRecord(path, kOpen.repeated(20), &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!ok && !error.isEmpty());
        QCOMPARE(QFileInfo::exists(path), exists);
        if (exists) QCOMPARE(readBytes(path), kOpen);
    }

    // The catalogue as committed, read where it lies so that what is tested is what ships.
    void initTestCase() {
        const QString file = QDir::cleanPath(__FILE__ "/../../../data/Sietari.dat");
        QStringList fields;
        QVERIFY2(readCatalogueFile(file, &fields), qPrintable(file));
        QCOMPARE(fields.size() % 57, 0);
        QSet<QString> names;
        for (qsizetype first = 0; first < fields.size(); first += 57) {
            shipped << fields.mid(first, 57);
            names << fields[first];
        }
        QCOMPARE(names.size(), shipped.size());
        QVERIFY2(shipped.size() >= 30, qPrintable(QString::number(shipped.size())));
    }

    // Corners are whole board pixels scaled down to the preview (275 over 700): a side
    // may miss by a fraction of a pixel, a hairline gap may become a sliver of overlap.
    void shippedFigure_data() {
        QTest::addColumn<QStringList>("record");
        for (const QStringList& record : shipped)
            QTest::newRow(record[0].toUtf8().constData()) << record;
    }
    void shippedFigure() {
        QFETCH(QStringList, record);
        QVERIFY(QRegularExpression("^[A-Z0-9\u00D1]+$").match(record[0]).hasMatch());
        Module1 m;
        m.PieceSize = 700;
        m.SlopeAngle2 = 63.4349488;
        m.SlopeAngle3 = 71.56505117708;
        m.InitPieceTables(6735, 6735);
        QList<QPolygonF> pieces;
        for (int p = 0; p <= 6; ++p) {
            QPolygonF saved, game;
            for (int v = 1; v <= 4; ++v) {
                const int at = 1 + (p * 4 + v - 1) * 2;
                saved << QPointF(readLeadingNumber(record[at]), readLeadingNumber(record[at + 1]));
                const PixelPoint g = polarToPixel(m.PieceAngle[p][v], m.PieceRadius[p][v], 0, 0);
                game << QPointF(g.x, g.y) * 275 / 700;
            }
            const QList<double> want = shapeSignature(game), got = shapeSignature(saved);
            for (qsizetype i = 0; i < want.size(); ++i)
                QVERIFY2(std::abs(got[i] - want[i]) < 1, qPrintable(QString("piece %1").arg(p)));
            for (int q = 0; q < p; ++q)
                QVERIFY(area(saved.intersected(pieces[q])) < 2);
            pieces << saved;
        }
    }
};

SIETARI_REGISTER_TEST(TestCatalogueFile)
#include "tst_CatalogueFile.moc"
