#include "Board.h"
#include "TestMain.h"

#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void menus_data() {
        QTest::addColumn<QString>("items");
        // caption|shortcut|flags: c checkable, x checked, g in an exclusive group,
        // d disabled as built, s disabled once started (the first figure is then on
        // show); "-" a separator. Captions are compared without their mnemonic's &.
        QTest::newRow("Juego") << QStringLiteral(
            "Figura Aleatoria, -, Descubrir Ficha, Solución||d, -, Reiniciar|F5");
        QTest::newRow("Opciones") << QStringLiteral(
            "Silueta|F2|c, -, Fichas Grandes||cxg, Fichas Medianas||cg, Fichas pequeñas||cg, "
            "Fichas Diminutas||cg, -, Guardar Posición|F3, Cargar Posición|F4|ds, -, Editar|F6|c, "
            "Guardar Figura|F7|s");
        QTest::newRow("Ayuda") << QStringLiteral("Como Jugar|F1, Acerca de...");
    }
    void menus() {
        QFETCH(QString, items);
        Board board;
        Form1& form = board.form;
        QSet<const QAction*> disabledAsBuilt;
        for (const QAction* action : form.findChildren<QAction*>())
            if (!action->isEnabled()) disabledAsBuilt << action;
        QVERIFY(form.Form_Load());
        QCOMPARE(form.MnuTam[0]->actionGroup()->actions().size(), 4);
        // Every title and item has a mnemonic of its own among its neighbours.
        const auto ownMnemonics = [](const QList<QAction*>& actions) {
            QSet<QString> keys;
            int items = 0;
            for (const QAction* a : actions)
                if (!a->isSeparator() && ++items)
                    keys << QKeySequence::mnemonic(a->text()).toString();
            return !keys.contains(QString()) && keys.size() == items;
        };
        QVERIFY(ownMnemonics(form.menuBar()->actions()));
        QStringList seen;
        for (const QAction* title : form.menuBar()->actions()) {
            if (QString(title->text()).remove('&') != QTest::currentDataTag()) continue;
            QVERIFY(ownMnemonics(title->menu()->actions()));
            for (const QAction* a : title->menu()->actions()) {
                QString item = QString(a->text()).remove('&') + '|' + a->shortcut().toString() +
                               '|' + (a->isCheckable() ? "c" : "") + (a->isChecked() ? "x" : "") +
                               (a->actionGroup() && a->actionGroup()->isExclusive() ? "g" : "") +
                               (disabledAsBuilt.contains(a) ? "d" : "") +
                               (a->isEnabled() ? "" : "s");
                seen << (a->isSeparator() ? "-" : item.remove(QRegularExpression("\\|+$")));
            }
        }
        QCOMPARE(seen, items.split(QStringLiteral(", ")));
    }

    void altJOpensJuego() {
        BOARD(true);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_J, Qt::AltModifier);
        QTRY_VERIFY(form.MnuGame->isVisible());
        form.MnuGame->close();
    }

    void placesAndStacking() {
        BOARD(false);
        QCOMPARE(form.Label1[0]->geometry(), QRect(16, 16, 433, 433)); // the board
        QCOMPARE(form.Frame2->geometry(), QRect(11, 19, 162, 162));    // inside the preview area
        // Pairs in one parent, the first lying below the second.
        QList<std::pair<QWidget*, QWidget*>> order{{form.Label1[1], form.Frame2}};
        for (int p = 0; p <= 6; ++p) {
            // 120 twips out from the board, so that a piece may overhang it.
            QCOMPARE(form.Command1[p]->geometry(), QRect(8, 8, 449, 449));
            order.append({form.Label1[0], form.Command1[p]});
            for (QFrame* bar : form.Frame1) // the side panel is the fourth
                order.append({form.Command1[p], bar});
            QVERIFY(form.Label1[1]->geometry().contains(form.Command10[p]->geometry()));
            order.append({form.Frame2, form.Command10[p]});
        }
        for (const auto& [below, above] : order) {
            QCOMPARE(above->parentWidget(), below->parentWidget());
            const QObjectList& layers = below->parentWidget()->children();
            QCOMPARE_LT(layers.indexOf(below), layers.indexOf(above));
        }
    }
};

SIETARI_TEST(WindowLayoutTest);

#include "WindowLayoutTest.moc"
