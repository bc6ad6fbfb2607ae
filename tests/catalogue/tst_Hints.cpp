#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

namespace {
// What the player sees of each piece once it is uncovered, 0x00BBGGRR.
constexpr BgrColour kOwnColour[7] = {0x0000FFFF, 0x00FF00FF, 0x00B5DC6B, 0x000000FF,
                                     0x0000FF00, 0x000080FF, 0x00FFFF00};
constexpr BgrColour kGreen = 0x0000C000;
constexpr BgrColour kBoard = 0x00000000;

const QString kSeven = QStringLiteral("h h h h h h h");
// Uncovers pieces 6, 0, 3, 2, 5, 1, 4 in that order.
const QList<double> kSevenDraws = {0.9, 0.0, 0.45, 0.3, 0.75, 0.15, 0.6};
const QList<int> kAll = {0, 1, 2, 3, 4, 5, 6};
} // namespace

class HintsTest : public QObject {
    Q_OBJECT
  private slots:
    void hints_data();
    void hints();
    void reset_data();
    void reset();
};

void HintsTest::hints_data() {
    // Steps: h "Descubrir Ficha", s "Solución", c the same entry clicked again;
    // a trailing "-" answers Cancel to the question, if one is asked.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<double>>("randoms");
    QTest::addColumn<QList<int>>("coloured"); // preview pieces in their own colour
    QTest::addColumn<bool>("boardColour");    // frame and square as the board, else green
    QTest::addColumn<int>("revealed");
    QTest::addColumn<QString>("asked"); // h and s for the two questions, in order

    const QList<double> six = kSevenDraws.mid(0, 6);
    const QList<int> firstSix = {6, 0, 3, 2, 5, 1};
    QTest::newRow("one piece") << "h" << QList<double>{0.5} << QList<int>{3} << false << 1 << "h";
    QTest::newRow("hint cancelled")
        << "h-" << QList<double>{0.5} << QList<int>{} << false << 0 << "h";
    QTest::newRow("drawn again while coloured")
        << "h h" << QList<double>{0.5, 0.5, 0.99} << QList<int>{3, 6} << false << 2 << "hh";
    QTest::newRow("six pieces and a cancel keep the green")
        << "h h h h h h h-" << six << firstSix << false << 6 << "hhhhhhh";
    QTest::newRow("seventh piece") << kSeven << kSevenDraws << kAll << true << 7 << "hhhhhhh";
    QTest::newRow("eighth hint asks nothing")
        << kSeven + " h" << kSevenDraws << kAll << true << 7 << "hhhhhhh";
    QTest::newRow("solution after seven, unasked, then a hint")
        << kSeven + " s h" << kSevenDraws + QList<double>{0.5} << QList<int>{3} << false << 1
        << "hhhhhhhh";
    QTest::newRow("solution") << "s" << QList<double>{} << kAll << true << 0 << "s";
    QTest::newRow("solution cancelled")
        << "s-" << QList<double>{} << QList<int>{} << false << 0 << "s";
    QTest::newRow("solution after hints")
        << "h h s" << QList<double>{0.5, 0.99} << kAll << true << 0 << "hhs";
    QTest::newRow("hint after solution asks nothing")
        << "s h" << QList<double>{0.5} << kAll << true << 0 << "s";
    QTest::newRow("solution again, unasked")
        << "s s" << QList<double>{} << QList<int>{} << false << 0 << "s";
    QTest::newRow("same entry after hints")
        << "h h c" << QList<double>{0.5, 0.99} << QList<int>{} << false << 0 << "hh";
    QTest::newRow("same entry after seven, then a hint")
        << kSeven + " c h" << kSevenDraws + QList<double>{0.15} << QList<int>{1} << false << 1
        << "hhhhhhhh";
}

void HintsTest::hints() {
    QFETCH(QString, steps);
    QFETCH(QList<double>, randoms);
    QFETCH(QList<int>, coloured);
    QFETCH(bool, boardColour);
    QFETCH(int, revealed);
    QFETCH(QString, asked);
    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    platform.randoms.assign(randoms.begin(), randoms.end());

    for (const QString& step : steps.split(QLatin1Char(' '))) {
        platform.answers = {step.endsWith(QLatin1Char('-')) ? Platform::Answer::Cancel
                                                            : Platform::Answer::Ok};
        if (step.startsWith(QLatin1Char('h')))
            form.MnuFicha->trigger();
        else if (step.startsWith(QLatin1Char('s')))
            form.MnuSolucion->trigger();
        else
            form.selectFigure(form.List1->currentRow());
    }

    QString questions;
    for (const FakePlatform::Message& message : platform.messages) {
        QVERIFY(message.icon == Platform::Icon::Question);
        QVERIFY(message.buttons == Platform::Buttons::OkCancel);
        if (message.text == QStringLiteral("Quieres descubrir una ficha?"))
            questions += QLatin1Char('h');
        else if (message.text == QStringLiteral("Quieres ver la solución?"))
            questions += QLatin1Char('s');
        else
            QFAIL(qPrintable(message.text));
    }
    QCOMPARE(questions, asked);
    for (int p = 0; p <= 6; ++p)
        QCOMPARE(form.Command10[p]->backColour(), coloured.contains(p) ? kOwnColour[p] : kBlack);
    QCOMPARE(form.Frame2->backColour(), boardColour ? kBoard : kGreen);
    QCOMPARE(form.Label1[1]->backColour(), boardColour ? kBoard : kGreen);
    QCOMPARE(form.RevealedCount, int16_t(revealed));
}

void HintsTest::reset_data() {
    QTest::addColumn<int>("size"); // the size chosen before play; 0 is the start size
    QTest::newRow("start size") << 0;
    QTest::newRow("medium pieces") << 1;
    QTest::newRow("tiny pieces") << 3;
}

void HintsTest::reset() {
    QFETCH(int, size);
    FakePlatform freshPlatform;
    Form1 fresh(freshPlatform);
    QVERIFY(fresh.Form_Load());
    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    if (size > 0) {
        fresh.MnuTam[size]->trigger();
        form.MnuTam[size]->trigger();
    }

    // Drag piece 0, turn piece 2, put two away, paint the silhouette and
    // leave a group standing.
    form.Command1_MouseDown(0, 1, 0, 1000, 1000);
    form.Command1_MouseMove(0, 1, 0, 1600, 1300);
    form.Command1_MouseUp(0, 1, 0, 1600, 1300);
    form.Command1_MouseDown(2, 2, 0, 0, 0);
    form.Command1_MouseUp(2, 2, 0, 0, 0);
    QVERIFY(form.M.PieceVertex[0][1][1] != fresh.M.PieceVertex[0][1][1]);
    QVERIFY(form.M.PieceAngle[2][1] != fresh.M.PieceAngle[2][1]);
    form.Check2[1]->setChecked(true);
    form.Check2[4]->setChecked(true);
    form.MnuSilueta->trigger();
    form.Label1_MouseDown(0, 1, 0, 30, 3000);
    form.Label1_MouseUp(0, 1, 0, 6450, 6480);
    QVERIFY(form.GroupSelected);

    form.MnuReset->trigger();
    for (int p = 0; p <= 6; ++p) {
        QVERIFY(!form.Command1[p]->isHidden());
        QCOMPARE(form.Command1[p]->backColour(), kOwnColour[p]);
        QVERIFY(!form.Check2[p]->isChecked());
        QVERIFY(form.Check2[p]->isEnabled());
        QCOMPARE(form.Command1[p]->mask(), fresh.Command1[p]->mask());
        for (int v = 1; v <= 4; ++v) {
            QCOMPARE(form.M.PieceAngle[p][v], fresh.M.PieceAngle[p][v]);
            QCOMPARE(form.M.PieceVertex[p][v][1], fresh.M.PieceVertex[p][v][1]);
            QCOMPARE(form.M.PieceVertex[p][v][2], fresh.M.PieceVertex[p][v][2]);
        }
    }
    QVERIFY(!form.GroupSelected);
    QVERIFY(form.Command1[7]->isHidden());
    QVERIFY(!form.MnuSilueta->isChecked());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(form.MnuTam[i]->isChecked(), i == size);
}

SIETARI_REGISTER_TEST(HintsTest)
#include "tst_Hints.moc"
