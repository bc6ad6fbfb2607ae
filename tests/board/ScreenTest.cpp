#include "Board.h"
#include "TestMain.h"

#include <QFrame>

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
    // Steps as Board::act plays them. The list must never keep the keyboard focus,
    // which H and V need.
    void play_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("pieces on top") << "d0 t6 b4 b4 d1 t1 b0 b0";
        QTest::newRow("hints") << "h h s s h n";
        QTest::newRow("silhouette and group") << "f g d5 f r";
    }
    void play() {
        QFETCH(QString, steps);
        BOARD(true);
        for (const QString& step : steps.split(' ')) {
            board.act(step);
            const int k = step.mid(1).toInt();
            QVERIFY(form.List1->isActiveWindow() && !form.List1->hasFocus());
            QVERIFY2(board.screenIsFresh(), qPrintable(step));
            if (QString("dtb").contains(step[0]) && !form.GroupSelected && !board.away(k))
                QVERIFY2(stackingFault(form, k).isEmpty(),
                         qPrintable(step + ": " + stackingFault(form, k)));
        }
    }

    // A box's three looks differ: on the board, put away, and unusable while a group stands.
    void boxLooks() {
        BOARD(true);
        const QImage on = form.Check2[3]->grab().toImage();
        board.act("b3");
        const QImage away = form.Check2[3]->grab().toImage();
        board.act("g");
        const QImage unusable = form.Check2[3]->grab().toImage();
        QVERIFY(on != away && away != unusable && unusable != on);
    }
};

SIETARI_TEST(ScreenTest);
#include "ScreenTest.moc"
