#include "Board.h"
#include "TestMain.h"
#include "catalogue/CatalogueFile.h"

#include <QListWidget>

namespace {
const QByteArray kOpen = "\"A\"\r\n3,4";

// A valid record whose piece 0 has the four "x,y" corners given.
QByteArray record(const QByteArray& name, const QByteArray& corners = {}) {
    QList<QByteArray> lines = FakePlatform::figureRecord(name).split('\n');
    for (int v = 0; !corners.isEmpty() && v < 4; ++v)
        lines[1 + v] = corners.split(' ')[v] + '\r';
    return lines.join('\n');
}

} // namespace

// The file layer on small files in a fake's folder, then how the window lists,
// shows and hints the figures of a catalogue.
class CatalogueTest : public QObject {
    Q_OBJECT
    FakePlatform files;
    const QString path = files.folder + "/Sietari.dat";

    QByteArray onDisk() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    // Order, a stray field, a comma and blanks inside quotes, blanks and blank lines
    // around fields, LF-only lines, no final line end, the number forms, Ñ as byte D1.
    void read() {
        files.writeCatalogue(
            "\r\n  \" PI\321A\200\211\237\377, B \" \t,  1 \r\n \t\r\n\t2\r\n.39,0.39\n-.5,41");
        CatalogueFields fields;
        QVERIFY(readCatalogueFile(path, &fields));
        QCOMPARE(fields.mid(0, fields.size()), QStringList({QString::fromUtf8(" PIÑA€‰Ÿÿ, B "), "1",
                                                            "2", ".39", "0.39", "-.5", "41"}));
    }

    // Awkward numbers at places that tell piece, vertex and axis apart. The file the
    // record is appended to lacks its final line end.
    void writeThenRead() {
        double t[8][5][3] = {};
        t[0][1][1] = 0.39, t[0][1][2] = -0.5, t[3][2][1] = 176.394, t[3][2][2] = -0.006;
        t[5][3][1] = 40.999, t[5][3][2] = 12.566, t[6][4][1] = -41, t[6][4][2] = -0.001;
        QByteArrayList rows(28, "0,0");
        rows[0] = ".39,-.5", rows[13] = "176.39,-.01", rows[22] = "41,12.57", rows[27] = "-41,0";
        const QByteArray want =
            "\"CIG\334E\321A, LA \200\214\237\377\"\r\n" + rows.join("\r\n") + "\r\n";
        const QString name = QString::fromUtf8("CIGÜEÑA, LA €ŒŸÿ");
        QCOMPARE(buildFigureRecord(name, t), want);
        // U+0080 is a control that Windows-1252 gives its byte away from.
        for (const QString& bad :
             {QString::fromUtf8("ΚΥΚΝΟΣ"), QString("\"A\""), QString("A\nB"), QString(QChar(0x80))})
            QVERIFY2(buildFigureRecord(bad, t).isEmpty(), qPrintable(bad));
        QString error;
        files.writeCatalogue(kOpen);
        QVERIFY(appendFigureRecord(path, want, &error));
        QCOMPARE(onDisk(), kOpen + "\r\n" + want);
        CatalogueFields fields;
        QVERIFY(readCatalogueFile(path, &fields));
        QCOMPARE(fields.size(), 3 + 57);
        QCOMPARE(fields[3], name);
        for (int i = 1; i < 57; ++i) {
            const double written = t[(i - 1) / 8][(i - 1) % 8 / 2 + 1][2 - i % 2];
            QCOMPARE(readLeadingNumber(fields[3 + i]), std::round(written * 100) / 100);
        }
    }

    // A null catalogue is a missing file. `click` is an entry clicked once the solution
    // is shown, which brings the silhouette back, else the first listed shows; `corners`
    // are piece 0 of the figure then shown.
    void load_data() {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("click");
        QTest::addColumn<QPolygon>("corners");
        using L = QStringList;
        using P = QPolygon;
        QByteArray mixed;
        for (const char* name :
             {"OSO", "FIGURA10", "\321ANDU", "nube", "figura2", "Zorro", "avion"})
            mixed += record(name);
        // Ñ after N, numbers in value order, letter case ignored.
        QTest::newRow("order") << mixed
                               << L{"avion", "figura2", "FIGURA10", "nube", "ÑANDU", "OSO", "Zorro"}
                               << "" << P();
        // A name of digits matches no coordinate, clicked while already chosen.
        QTest::newRow("digits") << record("41") + record("BETA", "41,41 41,0 0,0 0,41")
                                << L{"41", "BETA"} << "41" << P();
        // Number forms; halves round to even.
        QTest::newRow("numbers") << record("A", ".39,-.5 41,0.39 40.5,39.5 12.5,13.5") << L{"A"}
                                 << "" << P({{0, 0}, {41, 0}, {40, 40}, {12, 14}});
        // A short last record, clicked: its missing numbers read as 0.
        QTest::newRow("short") << record("A") + "\"B\"\r\n10,20\r\n30\r\n"
                               << L{"A", "B"} << "B" << P({{10, 20}, {30, 0}, {0, 0}, {0, 0}});
        QTest::newRow("missing file") << QByteArray() << L{} << "" << P();
        QTest::newRow("empty file") << QByteArray("") << L{} << "" << P();
    }
    void load() {
        QFETCH(QByteArray, catalogue);
        QFETCH(QStringList, names);
        QFETCH(QString, click);
        QFETCH(QPolygon, corners);
        Board board;
        Form1& form = board.form;
        board.platform.writeCatalogue(catalogue);
        if (catalogue.isNull()) QVERIFY(QFile::remove(board.platform.folder + "/Sietari.dat"));
        QCOMPARE(board.load(!click.isEmpty()), !names.isEmpty());
        QStringList listed;
        for (int row = 0; row < form.List1->count(); ++row)
            listed << form.List1->item(row)->text();
        QCOMPARE(listed, names);
        QCOMPARE(board.platform.messages.value(0).text,
                 names.isEmpty() ? QString("No ecuentro el archivo 'Sietari.dat'.") : QString());
        if (!click.isEmpty()) {
            form.MnuSolucion->trigger();
            const QListWidgetItem* item = form.List1->findItems(click, Qt::MatchExactly).value(0);
            QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {},
                              form.List1->visualItemRect(item).center());
            QCOMPARE(form.Frame2->backColour(), kPreviewGreen);
        }
        QCOMPARE(form.List2.value(form.FigureIndex), click.isEmpty() ? names.value(0) : click);
        if (!corners.isEmpty())
            QCOMPARE(form.Command10[0]->mask(), QRegion(corners, Qt::OddEvenFill));
    }

    // Two rounds over 600 figures, drawn by the fake's seeded generator.
    void randomRounds() {
        QByteArray catalogue;
        for (int i = 600; i >= 1; --i)
            catalogue += record("FIGURA" + QByteArray::number(i));
        Board board;
        Form1& form = board.form;
        board.platform.writeCatalogue(catalogue);
        QVERIFY(board.load(false));
        for (int round = 0; round < 2; ++round) {
            QSet<int> shown;
            for (int use = 0; use < 600; ++use) {
                form.MnuAleatoria->trigger();
                shown << form.List1->currentRow();
                QCOMPARE(form.List2.value(form.FigureIndex), form.List1->currentItem()->text());
            }
            QCOMPARE(shown.size(), 600);
        }
    }

    // Steps: h "Descubrir Ficha", s "Solución", r "Aleatoria" (the one figure again);
    // a trailing "-" answers Cancel (the fake answers OK otherwise). The frame turns when
    // all seven are coloured.
    void hints_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QList<int>>("coloured");
        QTest::addColumn<QString>("asked");
        using D = QList<double>;
        using I = QList<int>;
        const QString seven = "h h h h h h h";
        const D draws = {0.9, 0.0, 0.45, 0.3, 0.75, 0.15, 0.6};
        const I all = {0, 1, 2, 3, 4, 5, 6}, none;
        QTest::newRow("cancelled") << "h- s-" << draws << none << "hs";
        // A piece drawn again while coloured is drawn anew.
        QTest::newRow("redrawn") << "h h" << D{0.5, 0.5, 0.99} << I{3, 6} << "hh";
        // Six pieces and the seventh hint cancelled leave the frame green.
        QTest::newRow("six") << seven + "-" << draws << I{6, 0, 3, 2, 5, 1} << "hhhhhhh";
        // The seventh turns the frame; an eighth asks nothing.
        QTest::newRow("seven") << seven + " h" << draws << all << "hhhhhhh";
        // After seven, "Solución" goes back to the silhouette unasked.
        QTest::newRow("seven, solution") << seven + " s" << draws << none << "hhhhhhh";
        QTest::newRow("solution") << "s" << draws << all << "s";
        // While the solution shows, a hint asks nothing and "Solución" goes back unasked.
        QTest::newRow("solution twice") << "s h s" << draws << none << "s";
        // Showing the figure again starts the hints afresh.
        QTest::newRow("again") << seven + " r h" << draws + D{0.0, 0.15} << I{1} << "hhhhhhhh";
    }
    void hints() {
        QFETCH(QString, steps);
        QFETCH(QList<double>, randoms);
        QFETCH(QList<int>, coloured);
        QFETCH(QString, asked);
        BOARD(false);
        board.platform.randoms.assign(randoms.begin(), randoms.end());
        const QMap<QChar, QAction*> menu = {
            {'h', form.MnuFicha}, {'s', form.MnuSolucion}, {'r', form.MnuAleatoria}};
        for (const QString& step : steps.split(' ')) {
            if (step.endsWith('-')) board.platform.answers = {Platform::Answer::Cancel};
            menu[step[0]]->trigger();
        }
        QString questions;
        for (const FakePlatform::Message& message : board.platform.messages)
            questions += message.text == "Quieres ver la solución?"       ? 's'
                         : message.text == "Quieres descubrir una ficha?" ? 'h'
                                                                          : '?';
        QCOMPARE(questions, asked);
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(form.Command10[p]->backColour(),
                     coloured.contains(p) ? kPieceColours[p] : kBlack);
        QCOMPARE(form.Frame2->backColour(),
                 coloured.size() == 7 ? form.Label1[0]->backColour() : kPreviewGreen);
    }

    // Played at a size other than the start one, which reset keeps.
    void reset() {
        BOARD(true);
        form.MnuTam[3]->trigger();
        QList<QRegion> start;
        for (ColourButton* piece : form.Command1)
            start << piece->mask();
        form.Command1_MouseDown(0, 1, 0, 1000, 1000);
        form.Command1_MouseMove(0, 1, 0, 1600, 1300);
        form.Command1_MouseUp(0, 1, 0, 1600, 1300);
        form.Check2[1]->setChecked(true);
        form.MnuSilueta->trigger();
        form.Label1_MouseDown(0, 1, 0, 30, 3000);
        form.Label1_MouseUp(0, 1, 0, 6450, 6480);
        QVERIFY(form.Command1[0]->mask() != start[0] && form.GroupSelected);
        form.MnuReset->trigger();
        for (int p = 0; p <= 6; ++p) {
            QVERIFY(board.shownInColour(p));
            QCOMPARE(form.Command1[p]->mask(), start[p]);
        }
        QVERIFY(!form.GroupSelected && form.Command1[7]->isHidden());
        QVERIFY(!form.MnuSilueta->isChecked() && form.MnuTam[3]->isChecked());
    }
};

SIETARI_TEST(CatalogueTest);

#include "CatalogueTest.moc"
