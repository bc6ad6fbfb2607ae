#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {
constexpr BgrColour kColour[7] = {0x0000FFFF, 0x00FF00FF, 0x00B5DC6B, 0x000000FF,
                                  0x0000FF00, 0x000080FF, 0x00FFFF00};

// A valid record whose piece 0 has the four "x,y" corners given.
QByteArray record(const QByteArray& name, const QByteArray& corners = {}) {
    QList<QByteArray> lines = FakePlatform::figureRecord(name).split('\n');
    for (int v = 0; !corners.isEmpty() && v < 4; ++v)
        lines[1 + v] = corners.split(' ')[v] + '\r';
    return lines.join('\n');
}
} // namespace

class FigureChoiceTest : public QObject {
    Q_OBJECT
  private slots:
    // A null catalogue is a missing file. `click` is an entry clicked once the solution
    // is shown, which brings the silhouette back; `corners` is piece 0 of the figure
    // shown at the end, whose name is at `shownIndex`.
    void load_data() {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<QPolygon>("corners");
        using L = QStringList;
        using P = QPolygon;
        QByteArray mixed;
        for (const char* name :
             {"OSO", "FIGURA10", "\321ANDU", "nube", "figura2", "Zorro", "avion"})
            mixed += record(name);
        // Ñ after N, numbers in value order, letter case ignored; the first entry shows.
        QTest::newRow("order") << mixed
                               << L{"avion", "figura2", "FIGURA10", "nube", "ÑANDU", "OSO", "Zorro"}
                               << "" << 6 * 57 << P();
        // A name of digits matches no coordinate, clicked while already chosen.
        QTest::newRow("digits") << record("41") + record("BETA", "41,41 41,0 0,0 0,41")
                                << L{"41", "BETA"} << "41" << 0 << P();
        // Number forms; halves round to even.
        QTest::newRow("numbers") << record("A", ".39,-.5 41,0.39 40.5,39.5 12.5,13.5") << L{"A"}
                                 << "" << 0 << P({{0, 0}, {41, 0}, {40, 40}, {12, 14}});
        // A short last record, clicked: its missing numbers read as 0.
        QTest::newRow("short") << record("A") + "\"B\"\r\n10,20\r\n30\r\n"
                               << L{"A", "B"} << "B" << 57
                               << P({{10, 20}, {30, 0}, {0, 0}, {0, 0}});
        QTest::newRow("missing file") << QByteArray() << L{} << "" << 0 << P();
        QTest::newRow("empty file") << QByteArray("") << L{} << "" << 0 << P();
    }
    void load() {
        QFETCH(QByteArray, catalogue);
        QFETCH(QStringList, names);
        QFETCH(QString, click);
        QFETCH(int, shownIndex);
        QFETCH(QPolygon, corners);
        FakePlatform platform;
        platform.writeCatalogue(catalogue);
        if (catalogue.isNull()) QVERIFY(QFile::remove(platform.folder + "/Sietari.dat"));
        Form1 form(platform);
        QCOMPARE(form.Form_Load(), !names.isEmpty());
        QStringList listed;
        for (int row = 0; row < form.List1->count(); ++row)
            listed << form.List1->item(row)->text();
        QCOMPARE(listed, names);
        QCOMPARE(platform.messages.value(0).text,
                 names.isEmpty() ? QString("No ecuentro el archivo 'Sietari.dat'.") : QString());
        if (!click.isEmpty()) {
            form.MnuSolucion->trigger();
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const QListWidgetItem* item = form.List1->findItems(click, Qt::MatchExactly).value(0);
            QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {},
                              form.List1->visualItemRect(item).center());
            QCOMPARE(form.Frame2->backColour(), kPreviewGreen);
        }
        QCOMPARE(form.FigureIndex, shownIndex);
        if (!corners.isEmpty())
            QCOMPARE(form.Command10[0]->mask(), QRegion(corners, Qt::OddEvenFill));
    }

    // Two rounds over 600 figures, drawn by the fake's seeded generator.
    void randomRounds() {
        FakePlatform platform;
        QByteArray catalogue;
        for (int i = 600; i >= 1; --i)
            catalogue += record("FIGURA" + QByteArray::number(i));
        platform.writeCatalogue(catalogue);
        Form1 form(platform);
        QVERIFY(form.Form_Load());
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
        FakePlatform platform;
        Form1 form(platform);
        QVERIFY(form.Form_Load());
        platform.randoms.assign(randoms.begin(), randoms.end());
        const QMap<QChar, QAction*> menu = {
            {'h', form.MnuFicha}, {'s', form.MnuSolucion}, {'r', form.MnuAleatoria}};
        for (const QString& step : steps.split(' ')) {
            if (step.endsWith('-')) platform.answers = {Platform::Answer::Cancel};
            menu[step[0]]->trigger();
        }
        const QMap<QString, QChar> kinds = {{"Quieres descubrir una ficha?", 'h'},
                                            {"Quieres ver la solución?", 's'}};
        QString questions;
        for (const FakePlatform::Message& message : platform.messages)
            questions += kinds.value(message.text, '?');
        QCOMPARE(questions, asked);
        for (int p = 0; p <= 6; ++p)
            QCOMPARE(form.Command10[p]->backColour(), coloured.contains(p) ? kColour[p] : kBlack);
        QCOMPARE(form.Frame2->backColour(),
                 coloured.size() == 7 ? form.Label1[0]->backColour() : kPreviewGreen);
    }

    // Played at a size other than the start one, which reset keeps.
    void reset() {
        FakePlatform platform;
        Form1 form(platform);
        QVERIFY(form.Form_Load());
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
            QVERIFY(!form.Command1[p]->isHidden() && !form.Check2[p]->isChecked());
            QCOMPARE(form.Command1[p]->backColour(), kColour[p]);
            QCOMPARE(form.Command1[p]->mask(), start[p]);
        }
        QVERIFY(!form.GroupSelected && form.Command1[7]->isHidden());
        QVERIFY(!form.MnuSilueta->isChecked() && form.MnuTam[3]->isChecked());
    }
};

SIETARI_REGISTER_TEST(FigureChoiceTest)
#include "tst_FigureChoice.moc"
