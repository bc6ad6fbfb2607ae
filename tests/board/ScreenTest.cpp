#include "Board.h"
#include "TestMain.h"

#include <QFrame>
#include <QListWidget>

// What the player sees while playing: after every step the screen shows what a
// full repaint draws, and a piece just picked up, turned or brought back by its
// box lies above every other piece and under the border bars.
class ScreenTest : public QObject {
    Q_OBJECT

    static QString stackingFault(const Form1& form, int k) {
        const QObjectList& layers = form.centralWidget()->children();
        const qsizetype at = layers.indexOf(form.Command1[k]);
        for (int q = 0; q <= 6; ++q)
            if (layers.indexOf(form.Command1[q]) > at)
                return QStringLiteral("piece %1 above").arg(q);
        for (const QFrame* bar : form.Frame1)
            if (layers.indexOf(bar) < at) return QStringLiteral("a bar below");
        return {};
    }

  private slots:
    // Steps: d drag, t right click, b the box twice (away and back) on the piece whose
    // number follows; h "Descubrir Ficha", s "Solución", f "Silueta", g a band round
    // pieces 2 and 5, r "Reiniciar", l a click on a name (the list must not keep the
    // keyboard focus, which H and V need).
    void play_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("pieces on top") << "d0 t6 b4 d1 t1 b0";
        QTest::newRow("hints") << "h h s s h l";
        QTest::newRow("silhouette and group") << "f g d5 f r";
    }
    void play() {
        QFETCH(QString, steps);
        BOARD(true);
        int k = 0;
        const QPoint name = form.List1->viewport()->mapTo(form.centralWidget(), QPoint(5, 5));
        const auto box = [&] { return form.Check2[k]->mapTo(form.centralWidget(), QPoint(5, 5)); };
        const QMap<QChar, std::function<void()>> act{
            {'d', [&] { board.drag(board.onPiece(k), board.onPiece(k) + QPoint(20, -30)); }},
            {'t',
             [&] {
                 board.press(board.onPiece(k), Qt::RightButton), board.release({}, Qt::RightButton);
             }},
            {'b', [&] { board.drag(box(), box()), board.drag(box(), box()); }},
            {'h', [&] { form.MnuFicha->trigger(); }},
            {'s', [&] { form.MnuSolucion->trigger(); }},
            {'f', [&] { form.MnuSilueta->trigger(); }},
            {'g',
             [&] {
                 board.drag(board.onBoard({5, 200}), board.onBoard({65, 431}));
             }},
            {'r', [&] { form.MnuReset->trigger(); }},
            {'l', [&] { board.drag(name, name); }}};
        for (const QString& step : steps.split(' ')) {
            k = step.mid(1).toInt();
            act[step[0]]();
            QVERIFY(form.List1->isActiveWindow() && !form.List1->hasFocus());
            QVERIFY2(board.screenIsFresh(), qPrintable(step));
            if (QString("dtb").contains(step[0]) && !form.GroupSelected)
                QVERIFY2(stackingFault(form, k).isEmpty(),
                         qPrintable(step + ": " + stackingFault(form, k)));
        }
    }
};

SIETARI_TEST(ScreenTest);
#include "ScreenTest.moc"
