#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPolygon>
#include <QRegion>
#include <QSet>
#include <QTest>

namespace {
constexpr int kFields = 57;
constexpr BgrColour kYellow = 0x0000FFFF;

// A valid record whose piece `piece` is cut to other corners, given as four
// "x,y" words, so a test can read one piece's numbers back from its mask.
QByteArray record(const QByteArray& name, int piece = -1, const QByteArray& corners = {}) {
    QList<QByteArray> lines = FakePlatform::figureRecord(name).split('\n');
    const QList<QByteArray> words = corners.split(' ');
    for (int v = 0; piece >= 0 && v < 4; ++v)
        lines[1 + 4 * piece + v] = words[v] + '\r';
    return lines.join('\n');
}

const QByteArray kNandu = "\xD1"
                          "ANDU";
// A last record cut short after three of its numbers.
QByteArray shortLast() {
    return record("ALFA") + "\"BETA\"\r\n10,20\r\n30\r\n";
}

QByteArray numbered(int figures, bool backwards) {
    QByteArray bytes;
    for (int i = 1; i <= figures; ++i)
        bytes += record("FIGURA" + QByteArray::number(backwards ? figures + 1 - i : i));
    return bytes;
}

} // namespace

class FigureChoiceTest : public QObject {
    Q_OBJECT
  private slots:
    void load_data();
    void load();
    void noCatalogue_data();
    void noCatalogue();
    void previewMask_data();
    void previewMask();
    void choose_data();
    void choose();
    void randomFigure_data();
    void randomFigure();
    void randomWithoutFigures();
};

void FigureChoiceTest::load_data() {
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QStringList>("names"); // the list, top to bottom
    QTest::addColumn<int>("fields");
    QTest::addColumn<int>("shownIndex"); // the name field of the figure shown first

    QByteArray mixed;
    for (const QByteArray& name :
         {QByteArray("OSO"), QByteArray("FIGURA10"), kNandu, QByteArray("nube"),
          QByteArray("figura2"), QByteArray("Zorro"), QByteArray("avion")})
        mixed += record(name);
    QTest::newRow("spanish order")
        << mixed << QStringList{"avion", "figura2", "FIGURA10", "nube", "ÑANDU", "OSO", "Zorro"}
        << 7 * kFields << 6 * kFields;
    QTest::newRow("stray last field is a name")
        << record("UNO") + record("DOS") + "\"SUELTO\"\r\n"
        << QStringList{"DOS", "SUELTO", "UNO"} << 2 * kFields + 1 << kFields;
    QTest::newRow("short last record")
        << shortLast() << QStringList{"ALFA", "BETA"} << kFields + 4 << 0;
    QStringList many;
    for (int i = 1; i <= 600; ++i)
        many << QStringLiteral("FIGURA%1").arg(i);
    QTest::newRow("600 figures") << numbered(600, true) << many << 600 * kFields << 599 * kFields;
}

void FigureChoiceTest::load() {
    QFETCH(QByteArray, catalogue);
    QFETCH(QStringList, names);
    QFETCH(int, fields);
    QFETCH(int, shownIndex);
    FakePlatform platform;
    platform.writeCatalogue(catalogue);
    Form1 form(platform);
    QVERIFY(form.Form_Load());

    QStringList listed;
    for (int row = 0; row < form.List1->count(); ++row)
        listed << form.List1->item(row)->text();
    QCOMPARE(listed, names);
    QCOMPARE(form.List2.size(), fields);
    QCOMPARE(form.List1->currentRow(), 0);
    QCOMPARE(form.FigureIndex, shownIndex);
    QVERIFY(form.MnuSolucion->isEnabled());
    for (ColourButton* piece : form.Command10)
        QVERIFY(!piece->isHidden());
    QVERIFY(platform.messages.isEmpty());
}

void FigureChoiceTest::noCatalogue_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("catalogue");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
}

void FigureChoiceTest::noCatalogue() {
    QFETCH(bool, present);
    QFETCH(QByteArray, catalogue);
    FakePlatform platform;
    if (present)
        platform.writeCatalogue(catalogue);
    else
        QVERIFY(QFile::remove(platform.folder + QStringLiteral("/Sietari.dat")));
    Form1 form(platform);
    QVERIFY(!form.Form_Load());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("No ecuentro el archivo 'Sietari.dat'."));
    QVERIFY(platform.messages[0].icon == Platform::Icon::Exclamation);
    QVERIFY(platform.messages[0].buttons == Platform::Buttons::Ok);
}

void FigureChoiceTest::previewMask_data() {
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QPolygon>("corners"); // none: the piece shows nothing

    QTest::newRow("halves go to even") << record("A", 2, "12.5,13.5 41,13.5 41,40.5 12.5,40.5") << 0
                                       << 2 << QPolygon({{12, 14}, {41, 14}, {41, 40}, {12, 40}});
    QTest::newRow("no zero before the point")
        << record("A", 4, ".39,-.5 40,.39 40.5,40 -.5,39.5") << 0 << 4
        << QPolygon({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    QTest::newRow("zero before the point") << record("A", 6, "0.39,41 20.5,0.39 41,41 21.5,60") << 0
                                           << 6 << QPolygon({{0, 41}, {20, 0}, {41, 41}, {22, 60}});
    QTest::newRow("short record, numbers given")
        << shortLast() << 1 << 0 << QPolygon({{10, 20}, {30, 0}, {0, 0}, {0, 0}});
    QTest::newRow("short record, numbers missing") << shortLast() << 1 << 5 << QPolygon();
}

void FigureChoiceTest::previewMask() {
    QFETCH(QByteArray, catalogue);
    QFETCH(int, row);
    QFETCH(int, piece);
    QFETCH(QPolygon, corners);
    FakePlatform platform;
    platform.writeCatalogue(catalogue);
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    form.selectFigure(row);

    const QRegion mask = form.Command10[piece]->mask();
    if (corners.isEmpty())
        QVERIFY(!mask.intersects(form.Command10[piece]->rect()));
    else
        QCOMPARE(mask, QRegion(corners, Qt::OddEvenFill));
}

void FigureChoiceTest::choose_data() {
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("click"); // a real click on the entry, else chosen by code
    QTest::addColumn<int>("figureIndex");

    const QByteArray two = record("ALFA") + record("BETA");
    QTest::newRow("same entry again, by code") << two << "ALFA" << false << 0;
    QTest::newRow("same entry again, clicked") << two << "ALFA" << true << 0;
    QTest::newRow("other entry, clicked") << two << "BETA" << true << kFields;
    QTest::newRow("name of digits is not a coordinate")
        << record("41") + record("BETA", 0, "41,41 41,0 0,0 0,41") << "41" << false << 0;
    QTest::newRow("last record of a name wins")
        << record("DUP") + record("OTRO") + record("DUP") << "DUP" << false << 2 * kFields;
    QTest::newRow("name with Ñ, clicked")
        << record("OSO") + record(kNandu) << "ÑANDU" << true << kFields;
}

void FigureChoiceTest::choose() {
    QFETCH(QByteArray, catalogue);
    QFETCH(QString, name);
    QFETCH(bool, click);
    QFETCH(int, figureIndex);
    FakePlatform platform;
    platform.writeCatalogue(catalogue);
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    // A hint first, so that choosing has colours to take back.
    platform.randoms = {0.0};
    form.MnuFicha_Click();
    QCOMPARE(form.Command10[0]->backColour(), kYellow);

    QListWidgetItem* item = form.List1->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (click)
        QTest::mouseClick(form.List1->viewport(), Qt::LeftButton, {},
                          form.List1->visualItemRect(item).center());
    else
        form.selectFigure(form.List1->row(item));
    QCOMPARE(form.List1->currentItem(), item);
    QCOMPARE(form.FigureIndex, figureIndex);
    QCOMPARE(form.Frame2->backColour(), kPreviewGreen);
    QCOMPARE(form.Label1[1]->backColour(), kPreviewGreen);
    for (ColourButton* piece : form.Command10)
        QCOMPARE(piece->backColour(), kBlack);
    QCOMPARE(form.RevealedCount, int16_t(0));
    // The list hands the keyboard focus on, after a click as when given it.
    if (click) QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Foco));
    form.Foco->clearFocus();
    form.List1->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.Foco));
}

void FigureChoiceTest::randomFigure_data() {
    QTest::addColumn<int>("figures");
    QTest::addColumn<QList<double>>("randoms");
    QTest::addColumn<int>("uses");
    QTest::addColumn<QList<int>>("rows"); // entries shown in turn; none: not checked

    QTest::newRow("redrawn until new, then a new round")
        << 3 << QList<double>{0.0, 0.0, 0.5, 0.0, 0.9, 0.9} << 4 << QList<int>{0, 1, 2, 2};
    QTest::newRow("one figure") << 1 << QList<double>{0.7, 0.2} << 3 << QList<int>{0, 0, 0};
    QTest::newRow("600 figures, the last") << 600 << QList<double>{0.9999} << 1 << QList<int>{599};
    QTest::newRow("600 figures, a whole round") << 600 << QList<double>{} << 600 << QList<int>{};
}

void FigureChoiceTest::randomFigure() {
    QFETCH(int, figures);
    QFETCH(QList<double>, randoms);
    QFETCH(int, uses);
    QFETCH(QList<int>, rows);
    FakePlatform platform;
    platform.writeCatalogue(numbered(figures, false));
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    platform.randoms.assign(randoms.begin(), randoms.end());

    QList<int> shown;
    for (int use = 0; use < uses; ++use) {
        form.MnuAleatoria->trigger();
        shown << form.List1->currentRow();
        QVERIFY(form.List1->currentItem());
        QCOMPARE(form.List2.value(form.FigureIndex), form.List1->currentItem()->text());
    }
    if (!rows.isEmpty()) QCOMPARE(shown, rows);
    for (int start = 0; start < shown.size(); start += figures) {
        const QList<int> round = shown.mid(start, figures);
        QCOMPARE(QSet<int>(round.begin(), round.end()).size(), round.size());
    }
    QVERIFY(platform.messages.isEmpty());
}

void FigureChoiceTest::randomWithoutFigures() {
    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    platform.randoms = {0.0};
    form.MnuFicha_Click();
    platform.messages.clear();
    form.List1->clear();
    platform.randoms = {0.5};

    form.MnuAleatoria->trigger();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].text, QStringLiteral("No hay ninguna figura."));
    QVERIFY(platform.messages[0].icon == Platform::Icon::Exclamation);
    QVERIFY(platform.messages[0].buttons == Platform::Buttons::Ok);
    // Nothing else: the revealed piece stays and no chance was drawn.
    QCOMPARE(form.Command10[0]->backColour(), kYellow);
    QCOMPARE(form.RevealedCount, int16_t(1));
    QCOMPARE(platform.randoms.size(), size_t(1));
}

SIETARI_REGISTER_TEST(FigureChoiceTest)
#include "tst_FigureChoice.moc"
