#include "catalogue/CatalogueFile.h"
#include "catalogue/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A record whose coordinates tell piece, vertex and axis apart, with the
// number shapes the writer has to get right mixed in.
void fillKnownTable(double table[8][5][3]) {
    for (int p = 0; p < 8; ++p)
        for (int v = 0; v < 5; ++v)
            for (int c = 0; c < 3; ++c)
                table[p][v][c] = (p < 7 && v > 0 && c > 0) ? p * 10 + v + (c == 2 ? 0.5 : 0) : 999;
    table[0][1][1] = 0.39;
    table[0][1][2] = -0.5;
    table[3][2][1] = 176.394;
    table[6][4][2] = -0.001;
}

QByteArray knownRecordBytes() {
    QByteArray bytes = "\"CIGÜEÑA\"\r\n";
    bytes.replace("Ü", "\xDC").replace("Ñ", "\xD1");
    for (int p = 0; p < 7; ++p) {
        for (int v = 1; v <= 4; ++v) {
            QByteArray x = QByteArray::number(p * 10 + v);
            QByteArray y = QByteArray::number(p * 10 + v) + ".5";
            if (p == 0 && v == 1) x = ".39", y = "-.5";
            if (p == 3 && v == 2) x = "176.39";
            if (p == 6 && v == 4) y = "0";
            bytes += x + ',' + y + "\r\n";
        }
    }
    return bytes;
}

} // namespace

class TestCatalogueFile : public QObject {
    Q_OBJECT

  private slots:
    void tokenizer_data();
    void tokenizer();
    void windows1252Characters_data();
    void windows1252Characters();
    void windows1252EveryByteRoundTrips();
    void unencodableRefused_data();
    void unencodableRefused();
    void leadingNumber_data();
    void leadingNumber();
    void catalogueNumber_data();
    void catalogueNumber();
    void figureRecordBytes();
    void figureRecordRefusesName_data();
    void figureRecordRefusesName();
    void writeThenReadRoundTrip();
    void append_data();
    void append();
    void failedAppendLeavesFile_data();
    void failedAppendLeavesFile();
    void partialWriteIsUndone_data();
    void partialWriteIsUndone();
    void readFile_data();
    void readFile();
};

void TestCatalogueFile::tokenizer_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("order") << QByteArray("\"CISNE\"\r\n1,2\r\n3.5,-4\r\n")
                           << QStringList{"CISNE", "1", "2", "3.5", "-4"};
    QTest::newRow("stray 58th field")
        << QByteArray("\"A\"\r\n1,2\r\n7\r\n") << QStringList{"A", "1", "2", "7"};
    QTest::newRow("comma inside quotes")
        << QByteArray("\"UNO, DOS\",5\r\n") << QStringList{"UNO, DOS", "5"};
    QTest::newRow("blanks around fields")
        << QByteArray("  \"A B\" \t,  1 ,\t2\t\r\n") << QStringList{"A B", "1", "2"};
    QTest::newRow("blanks inside quotes kept") << QByteArray("\" A \"\r\n") << QStringList{" A "};
    QTest::newRow("LF-only lines")
        << QByteArray("\"A\"\n1,2\n3,4\n") << QStringList{"A", "1", "2", "3", "4"};
    QTest::newRow("no final line end")
        << QByteArray("\"A\"\r\n1,2\r\n3,4") << QStringList{"A", "1", "2", "3", "4"};
    QTest::newRow("no final line end, lone CR")
        << QByteArray("\"A\"\r\n3,4\r") << QStringList{"A", "3", "4"};
    QTest::newRow("blank lines") << QByteArray("\r\n\"A\"\r\n\r\n  \t\r\n\n1,2\r\n\r\n")
                                 << QStringList{"A", "1", "2"};
    QTest::newRow("empty place between commas")
        << QByteArray("1,,2\r\n") << QStringList{"1", "", "2"};
    QTest::newRow("quote left open ends at line end")
        << QByteArray("\"A,B\r\n1\r\n") << QStringList{"A,B", "1"};
    QTest::newRow("Windows-1252 name") << QByteArray("\"PI\xD1"
                                                     "A\"\r\n")
                                       << QStringList{QString::fromUtf8("PIÑA")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestCatalogueFile::tokenizer() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(readCatalogueFields(bytes), fields);
}

void TestCatalogueFile::windows1252Characters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("code");

    QTest::newRow("N tilde") << 0xD1 << 0x00D1;
    QTest::newRow("n tilde") << 0xF1 << 0x00F1;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("left double quote") << 0x93 << 0x201C;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x009D;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("ASCII") << 0x41 << 0x0041;
}

void TestCatalogueFile::windows1252Characters() {
    QFETCH(int, byte);
    QFETCH(int, code);
    const QByteArray bytes(1, static_cast<char>(byte));
    QCOMPARE(decodeWindows1252(bytes), QString(QChar(code)));
    QByteArray encoded;
    QVERIFY(encodeWindows1252(QString(QChar(code)), &encoded));
    QCOMPARE(encoded, bytes);
}

void TestCatalogueFile::windows1252EveryByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QByteArray back;
    QVERIFY(encodeWindows1252(text, &back));
    QCOMPARE(back, all);
}

void TestCatalogueFile::unencodableRefused_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("Greek") << QString::fromUtf8("CISNE Ω");
    QTest::newRow("CJK") << QString::fromUtf8("中");
    QTest::newRow("outside the BMP") << QString::fromUtf8("A😀");
    QTest::newRow("C1 whose byte means the euro") << QString(QChar(0x0080));
    QTest::newRow("C1 whose byte means a quote") << QString(QChar(0x0093));
}

void TestCatalogueFile::unencodableRefused() {
    QFETCH(QString, text);
    QByteArray out = "stale";
    QVERIFY(!encodeWindows1252(text, &out));
    QVERIFY(out.isEmpty());
}

void TestCatalogueFile::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow(".39") << ".39" << 0.39;
    QTest::newRow("0.39") << "0.39" << 0.39;
    QTest::newRow("-.5") << "-.5" << -0.5;
    QTest::newRow("+.5") << "+.5" << 0.5;
    QTest::newRow("41") << "41" << 41.0;
    QTest::newRow("12.5abc") << "12.5abc" << 12.5;
    QTest::newRow("7. then text") << "7.x" << 7.0;
    QTest::newRow("second period ends it") << "1.2.3" << 1.2;
    QTest::newRow("leading blanks") << "  \t-176.39" << -176.39;
    QTest::newRow("no exponent") << "2e3" << 2.0;
    QTest::newRow("comma is no separator") << "3,7" << 3.0;
    QTest::newRow("abc") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("minus alone") << "-" << 0.0;
    QTest::newRow("period alone") << "." << 0.0;
}

void TestCatalogueFile::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readLeadingNumber(text), value);
}

void TestCatalogueFile::catalogueNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow(".39") << 0.39 << ".39";
    QTest::newRow("-.5") << -0.5 << "-.5";
    QTest::newRow("41") << 41.0 << "41";
    QTest::newRow("-41") << -41.0 << "-41";
    QTest::newRow("12.5") << 12.5 << "12.5";
    QTest::newRow("12.57") << 12.57 << "12.57";
    QTest::newRow("rounded up") << 12.566 << "12.57";
    QTest::newRow("rounds to whole") << 40.999 << "41";
    QTest::newRow("176.39") << 176.39 << "176.39";
    QTest::newRow("0.004") << 0.004 << "0";
    QTest::newRow("-0.001") << -0.001 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("-.01") << -0.006 << "-.01";
    QTest::newRow("large, no exponent") << 1e7 << "10000000";
}

void TestCatalogueFile::catalogueNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatCatalogueNumber(value), text);
}

void TestCatalogueFile::figureRecordBytes() {
    double table[8][5][3];
    fillKnownTable(table);
    QCOMPARE(buildFigureRecord(QString::fromUtf8("CIGÜEÑA"), table), knownRecordBytes());
}

void TestCatalogueFile::figureRecordRefusesName_data() {
    QTest::addColumn<QString>("name");

    QTest::newRow("no Windows-1252 byte") << QString::fromUtf8("ΚΥΚΝΟΣ");
    QTest::newRow("double quote") << "EL \"CISNE\"";
    QTest::newRow("line end") << "CIS\r\nNE";
}

void TestCatalogueFile::figureRecordRefusesName() {
    QFETCH(QString, name);
    double table[8][5][3] = {};
    QVERIFY(buildFigureRecord(name, table).isEmpty());
}

void TestCatalogueFile::writeThenReadRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Sietari.dat");

    double first[8][5][3];
    fillKnownTable(first);
    double second[8][5][3] = {};
    for (int p = 0; p < 7; ++p)
        for (int v = 1; v <= 4; ++v)
            second[p][v][1] = -p * 3.25 - v, second[p][v][2] = 100 + p + v / 4.0;

    const QString firstName = QString::fromUtf8("CIGÜEÑA, LA");
    QString error;
    QVERIFY(appendFigureRecord(path, buildFigureRecord(firstName, first), &error));
    QVERIFY(appendFigureRecord(path, buildFigureRecord("GATO", second), &error));

    QStringList fields;
    QVERIFY(readCatalogueFile(path, &fields));
    QCOMPARE(fields.size(), 2 * 57);
    QCOMPARE(fields[0], firstName);
    QCOMPARE(fields[57], QStringLiteral("GATO"));
    for (int p = 0; p < 7; ++p) {
        for (int v = 1; v <= 4; ++v) {
            for (int c = 1; c <= 2; ++c) {
                const int at = 1 + ((p * 4 + v - 1) * 2) + c - 1;
                const double wantFirst = std::round(first[p][v][c] * 100) / 100;
                QCOMPARE(readLeadingNumber(fields[at]), wantFirst);
                QCOMPARE(readLeadingNumber(fields[57 + at]), second[p][v][c]);
            }
        }
    }
}

void TestCatalogueFile::append_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    const QByteArray record = "\"B\"\r\n1,2\r\n";
    QTest::newRow("missing file is created") << false << QByteArray() << record;
    QTest::newRow("empty file") << true << QByteArray() << record;
    QTest::newRow("ends with CR LF") << true << QByteArray("\"A\"\r\n") << "\"A\"\r\n" + record;
    QTest::newRow("ends with LF") << true << QByteArray("\"A\"\n") << "\"A\"\n" + record;
    QTest::newRow("no final line end")
        << true << QByteArray("\"A\"\r\n3,4") << "\"A\"\r\n3,4\r\n" + record;
}

void TestCatalogueFile::append() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Sietari.dat");
    if (exists) QVERIFY(writeBytes(path, before));

    QString error;
    QVERIFY2(appendFigureRecord(path, "\"B\"\r\n1,2\r\n", &error), qPrintable(error));
    QCOMPARE(readBytes(path), after);
}

void TestCatalogueFile::failedAppendLeavesFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "read-only";
    QTest::newRow("path is a folder") << "folder";
    QTest::newRow("folder does not exist") << "no folder";
}

void TestCatalogueFile::failedAppendLeavesFile() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray before = "\"A\"\r\n1,2";
    QString path = dir.filePath("Sietari.dat");

    if (kind == "read-only") {
        QVERIFY(writeBytes(path, before));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        QFile probe(path);
        if (probe.open(QIODevice::ReadWrite)) QSKIP("running with rights that ignore read-only");
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("Sietari.dat"));
    } else {
        path = dir.filePath("missing/Sietari.dat");
    }

    QString error;
    QVERIFY(!appendFigureRecord(path, "\"B\"\r\n1,2\r\n", &error));
    QVERIFY(!error.isEmpty());
    if (kind == "read-only") QCOMPARE(readBytes(path), before);
    if (kind == "folder") QVERIFY(QFileInfo(path).isDir());
    if (kind == "no folder") QVERIFY(!QFileInfo::exists(path));
}

void TestCatalogueFile::partialWriteIsUndone_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file cut back") << true;
    QTest::newRow("created file removed") << false;
}

// The file size limit makes the kernel accept only part of the write, the one
// failure that would otherwise leave half a record behind.
void TestCatalogueFile::partialWriteIsUndone() {
#ifdef Q_OS_UNIX
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Sietari.dat");
    const QByteArray before = "\"A\"\r\n1,2";
    if (exists) QVERIFY(writeBytes(path, before));

    double table[8][5][3] = {};
    const QByteArray record = buildFigureRecord("B", table);

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit limited = saved;
    limited.rlim_cur = static_cast<rlim_t>(before.size() + 20);
    if (saved.rlim_max != RLIM_INFINITY && saved.rlim_max < limited.rlim_cur)
        QSKIP("file size limit already too low");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QString error;
    const bool ok = appendFigureRecord(path, record, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!ok);
    QVERIFY(!error.isEmpty());
    if (exists)
        QCOMPARE(readBytes(path), before);
    else
        QVERIFY(!QFileInfo::exists(path));
#else
    QSKIP("needs a file size limit");
#endif
}

void TestCatalogueFile::readFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");

    QTest::newRow("missing") << false << QByteArray() << false;
    QTest::newRow("empty") << true << QByteArray() << false;
    QTest::newRow("blank lines only") << true << QByteArray("\r\n  \r\n\n") << false;
    QTest::newRow("one field") << true << QByteArray("\"A\"") << true;
}

void TestCatalogueFile::readFile() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Sietari.dat");
    if (exists) QVERIFY(writeBytes(path, bytes));

    QStringList fields{"stale"};
    QCOMPARE(readCatalogueFile(path, &fields), ok);
    QCOMPARE(fields, ok ? QStringList{"A"} : QStringList{});
}

#include "TestMain.h"
SIETARI_REGISTER_TEST(TestCatalogueFile)

#include "tst_CatalogueFile.moc"
