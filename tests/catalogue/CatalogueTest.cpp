// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include "catalogue/CatalogueFile.h"
#include "ui/DesktopPlatform.h"
#include <QTest>

#include <QListWidget>
#include <QRegularExpression>
#include <sys/stat.h>

// Records as written; how the window reads, lists and shows a catalogue's figures;
// hints, the stored position and the reset.
class CatalogueTest : public QObject {
    Q_OBJECT

  private slots:
    // A record as written: x before y, two decimals at most, no zero before the point
    // (the editor's own numbers never have more than two).
    void write() {
        const double t[8][5][3] = {{{}, {0, 176.394, -0.005}}};
        QCOMPARE(buildFigureRecord("A", t),
                 "\"A\"\r\n176.39,-.01\r\n" + QByteArray("0,0\r\n").repeated(27));
    }

    // The shipped catalogue, then the player's own figures (`own`: none when null, a
    // folder, a FIFO or a dangling link when it says so). A null catalogue is a missing
    // file; `grown` makes it that large with a hole. The names listed; the first
    // listed shows, `corners` its piece 0; `warned` names the file the one line on
    // standard error is about.
    void load_data() {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<qint64>("grown");
        QTest::addColumn<QByteArray>("own");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QPolygon>("corners");
        QTest::addColumn<QString>("warned");
        using L = QStringList;
        const auto record = FakePlatform::figureRecord;
        const QByteArray none;
        const QString user = "user/Sietari.dat";
        QByteArray mixed;
        for (const char* name : {"OSO", "FIGURA10", "\321ANDU", "nube", "\200\211\237\377, B",
                                 "figura2", "Zorro", "avion"})
            mixed += record(name);
        // Ñ after N, numbers in value order, letter case ignored; Windows-1252 bytes and a
        // comma inside quotes.
        QTest::newRow("order") << mixed << 0ll << none
                               << L{"€‰Ÿÿ, B", "avion", "figura2", "FIGURA10",
                                    "nube",    "ÑANDU", "OSO",     "Zorro"}
                               << QPolygon() << "";
        // A name given twice is listed once and shows its last record, here one with blank
        // lines, blanks round the fields, LF-only lines, the number forms (halves round
        // to even) and too few numbers (the missing ones read as 0), without its final
        // line end. A name of digits matches no coordinate.
        const QByteArray damaged = "\r\n \t\r\n  \"41\" \t\n.39,-.5\n\t41\t,0.39\n40.5,39.5\n12.5";
        const QPolygon short41({{0, 0}, {41, 0}, {40, 40}, {12, 0}});
        QTest::newRow("a name twice")
            << record("41") + damaged << 0ll << none << L{"41"} << short41 << "/Sietari.dat";
        QTest::newRow("missing file") << none << 0ll << none << L() << QPolygon() << "";
        QTest::newRow("empty file") << QByteArray("") << 0ll << none << L() << QPolygon() << "";
        // The player's figures after the shipped ones, a name in both showing theirs,
        // in step after a shipped last record that is short.
        QTest::newRow("shipped, then own")
            << record("A") + record("B") + damaged << 0ll << record("Z") + damaged.mid(4)
            << L{"41", "A", "B", "Z"} << short41 << "/Sietari.dat";
        // Records a release shipped, this one's or an earlier one's, are not the
        // player's: an old copy neither hides a mended figure nor brings back a dropped one.
        QFile earlier(QFINDTESTDATA("../../resources/earlier-figures.dat"));
        const QByteArray releases = earlier.open(QIODevice::ReadOnly) ? earlier.readAll() : "";
        const QByteArray dropped = releases.left(releases.indexOf("\r\n\"") + 2);
        QTest::newRow("a whole copy from an earlier release")
            << record("A") + record("C") << 0ll
            << dropped + record("A") + record("B") + record("41") << L{"41", "A", "B", "C"}
            << QPolygon() << "";
        QTest::newRow("own, damaged")
            << record("A") << 0ll << damaged << L{"41", "A"} << short41 << user;
        for (const char* kind : {"folder", "fifo", "link"})
            QTest::newRow(kind) << record("A") << 0ll << QByteArray(kind) << L{"A"} << QPolygon()
                                << user;
        // Neither a huge name nor a huge file can freeze the game or exhaust its memory.
        QTest::newRow("a 10 MB name")
            << '"' + QByteArray(10'000'000, 'N') + record("").mid(2) << 0ll << none
            << L{QString(kFieldCharLimit, 'N')} << QPolygon() << "/Sietari.dat";
        QTest::newRow("2 GB, mostly a hole")
            << record("A") << (2ll << 30) << none << L{"A"} << QPolygon() << "/Sietari.dat";
    }
    void load() {
        QFETCH(QByteArray, catalogue);
        QFETCH(qint64, grown);
        QFETCH(QByteArray, own);
        QFETCH(QStringList, names);
        QFETCH(QPolygon, corners);
        QFETCH(QString, warned);
        Board board;
        FakePlatform& files = board.platform;
        const QString ownPath = files.userFolder + "/Sietari.dat";
        files.writeCatalogue(catalogue);
        if (catalogue.isNull()) QVERIFY(QFile::remove(files.folder + "/Sietari.dat"));
        if (grown) QVERIFY(QFile(files.folder + "/Sietari.dat").resize(grown));
        if (!own.isNull()) files.writeCatalogue(own, files.userFolder);
        if (own == "folder" || own == "fifo" || own == "link") QVERIFY(QFile::remove(ownPath));
        if (own == "folder") QVERIFY(QDir().mkdir(ownPath));
        if (own == "fifo") QCOMPARE(mkfifo(qPrintable(ownPath), 0644), 0);
        if (own == "link") QVERIFY(QFile::link(ownPath + ".gone", ownPath));
        if (!warned.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Sietari: .*" + warned + " "));
        QCOMPARE(board.load(false), !names.isEmpty());
        QStringList listed;
        for (int row = 0; row < board.form.List1->count(); ++row)
            listed << board.form.List1->item(row)->text();
        QCOMPARE(listed, names);
        QCOMPARE(files.messages.value(0),
                 names.isEmpty() ? QString("No ecuentro el archivo 'Sietari.dat'.") : QString());
        QCOMPARE(board.form.List2.value(board.form.FigureIndex), names.value(0));
        if (!corners.isEmpty())
            QCOMPARE(board.form.Command10[0]->mask(), QRegion(corners, Qt::OddEvenFill));
    }

    // The player's folder under XDG_DATA_HOME (or ~/.local/share), then the installed
    // folders: beside the program's prefix first, then XDG_DATA_DIRS in their order.
    void folders() {
        DesktopPlatform::nameProgram();
        qputenv("XDG_DATA_HOME", "/home/a/datos");
        qputenv("XDG_DATA_DIRS", "/opt/x:/usr/share");
        DesktopPlatform desktop;
        QCOMPARE(desktop.userDataFolder(), "/home/a/datos/sietari");
        QCOMPARE(desktop.sharedDataFolders(),
                 QStringList({QDir::cleanPath(desktop.programFolder() + "/../share/sietari"),
                              "/opt/x/sietari", "/usr/share/sietari"}));
    }

    // Steps of play (Board::act); a trailing "-" answers the question Cancel. After each
    // C every piece is where and as it was at the last P; so after a reset (r), the rows
    // storing the start layout first. Then the questions asked, the preview pieces the
    // hints coloured, and the frame in the board's colour once all seven are. The hints
    // draw pieces 6, 6 again (drawn anew), 0, 3, 2, 5, 1, 4, then 1.
    void play_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("coloured");
        QTest::addColumn<int>("asked");
        const QList<int> none, six = {6, 0, 3, 2, 5, 1}, all = {0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("put away, resized") << "b1 P d4 t6 b2 z C C" << none << 0;
        QTest::newRow("a group, standing or stored") << "P g C g P d4 C" << none << 0;
        QTest::newRow("reset keeps the size, ends a group") << "z P d4 t6 b1 g f r" << none << 0;
        QTest::newRow("six, then cancelled") << "h h h h h h s- h-" << six << 8;
        QTest::newRow("an eighth hint asks nothing") << "h h h h h h h h" << all << 7;
        QTest::newRow("no hint asked during the solution") << "s h" << all << 1;
        QTest::newRow("hints anew after a click") << "h h h h h h h n h" << QList<int>{1} << 8;
        QTest::newRow("same figure again: hints anew") << "h h h h h h A h" << QList<int>{1} << 7;
    }
    void play() {
        QFETCH(QString, steps);
        QFETCH(QList<int>, coloured);
        QFETCH(int, asked);
        BOARD(true);
        board.platform.randoms = {0.9, 0.9, 0.0, 0.45, 0.3, 0.75, 0.15, 0.6, 0.15};
        QList<QList<QPointF>> stored;
        QList<bool> away(7);
        for (const QString& step : steps.split(' ')) {
            if (step.endsWith('-')) board.platform.answers = {Platform::Answer::Cancel};
            board.act(step);
            if (step == "P") stored = board.places();
            for (int p = 0; p <= 6; ++p) {
                if (step == "P") away[p] = board.away(p);
                if (step == "C" || step == "r")
                    QVERIFY2(board.place(p) == stored[p] && board.away(p) == away[p] &&
                                 board.inconsistency().isEmpty(),
                             qPrintable(QString("%1: piece %2").arg(step).arg(p)));
            }
        }
        QCOMPARE(board.platform.messages.size(), asked);
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(form.Command10[p]->backColour(),
                     coloured.contains(p) ? kPieceColours[p] : kBlack);
        QCOMPARE(form.Frame2->backColour(),
                 coloured.size() == 7 ? form.Label1[0]->backColour() : kPreviewGreen);
    }
};

QTEST_MAIN(CatalogueTest)

#include "CatalogueTest.moc"
