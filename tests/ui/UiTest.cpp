// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include "ui/DesktopPlatform.h"
#include "ui/FormTallacor.h"
#include <QTest>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <utility>

// What the player meets around the board: start-up, the about window, help and the
// real dialogs.
class UiTest : public QObject {
    Q_OBJECT
  private slots:
    // Start-up, here with the shipped figures, ends with the about window. The preview's frame lies
    // above the green square, whose uncovered rim alone starts a selection band, and below the
    // figure's pieces. Then the browsing keys, the list never focused (the robustness storm checks
    // that each shows its name's figure); none acts while a button is held on the board ("(" to
    // ")") or while the editor is on (e). Ctrl+Q closes the window.
    void startUpThenKeys() {
        Board board;
        Form1& form = board.form;
        board.platform.folder = QDir::cleanPath(__FILE__ "/../../../data");
        QVERIFY(board.load(true));
        QCOMPARE(board.platform.modals, QStringList{"Acerca de Sietari"});
        const QObjectList& layers = form.Frame2->parentWidget()->children();
        QVERIFY(layers.indexOf(form.Label1[1]) < layers.indexOf(form.Frame2));
        for (int p = 0; p <= 6; ++p)
            QVERIFY(layers.indexOf(form.Frame2) < layers.indexOf(form.Command10[p]));
        const QString keys = "Down Down Up PgDown PgUp End PgUp Home Up ( Down ) e End e Ctrl+Q";
        QList<int> rows;
        for (const QString& key : keys.split(' ')) {
            key == "("   ? board.press(board.onBoard({200, 5}))
            : key == ")" ? board.release({})
            : key == "e" ? board.act(key)
                         : QTest::keySequence(form.windowHandle(), key);
            rows << (form.List1->hasFocus() ? -1 : form.List1->currentRow());
        }
        const int p = form.List1->viewport()->height() / form.List1->sizeHintForRow(0);
        const int end = form.List1->count() - 1;
        QCOMPARE(rows, (QList<int>{1, 2, 1, 1 + p, 1, end, end - p, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QVERIFY(!form.isVisible());
    }

    // Any click or typed key closes the about window, except a click on an address, which
    // opens it through the desktop, and Shift alone; the title is the main window's as the
    // about window shows. The pointer over an address underlines it alone; over the
    // background neither, over other labels nothing changes.
    void about() {
        Board board;
        FormTallacor about(&board.form, board.platform);
        board.form.setWindowTitle("Otro título");
        QStringList stayedOpen;
        const auto tryTo = [&](const QString& what, const std::function<void()>& close) {
            about.show();
            close();
            if (about.isVisible()) stayedOpen << what;
        };
        for (QLabel* label : about.findChildren<QLabel*>())
            tryTo(label->objectName(), [&] { QTest::mouseClick(label, Qt::LeftButton); });
        tryTo("background", [&] { QTest::mouseClick(&about, Qt::LeftButton, {}, {5, 300}); });
        tryTo("A", [&] { QTest::keyClick(&about, Qt::Key_A); });
        tryTo("Shift", [&] { QTest::keyClick(&about, Qt::Key_Shift); });
        QCOMPARE(stayedOpen, (QStringList{"lblMail", "lblURL", "Shift"}));
        QCOMPARE(board.platform.opened,
                 (QStringList{"|mailto:sietari@example.org", "|http://sietari.example.org"}));
        QCOMPARE(about.lblTitulo->text(), "Otro título");
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QStringList underlined;
        for (QWidget* over : QWidgetList{about.lblMail, about.lblURL, about.lblTexWeb, &about}) {
            QTest::mouseMove(over, {2, 2});
            underlined << QString(about.lblMail->font().underline() ? "mail" : "") +
                              (about.lblURL->font().underline() ? "web" : "");
        }
        QCOMPARE(underlined, (QStringList{"mail", "web", "web", ""}));
    }

    // Help opens the page beside the program before the installed one, and hands the
    // desktop the page's folder.
    void help() {
        BOARD(false);
        for (const QString& folder : {board.platform.shared[0], board.platform.folder}) {
            QDir().mkpath(folder);
            QVERIFY(QFile(folder + "/Instrucciones.htm").open(QIODevice::WriteOnly));
            form.MnuComo->trigger();
            QCOMPARE(std::exchange(board.platform.opened, {}),
                     QStringList{folder + "|Instrucciones.htm"});
        }
    }

    // Every menu as the player reads it at start: captions with their accents, separators
    // (-), check marks ([x] ticked, [ ] not), shortcuts, and "off" on what cannot work yet
    // (loading a position never stored, saving a figure outside the editor). The help
    // page's key table agrees: a row naming a menu command gives its key and its menu,
    // and every shortcut has its row; rows for keys that no menu item has are the page's.
    void menus() {
        BOARD(false);
        QFile page(QFINDTESTDATA("../../data/Instrucciones.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        // The table's cells, as the page shows them: every tag but the table's own removed.
        const QString html = QString::fromUtf8(page.readAll())
                                 .remove(QRegularExpression("<(?!/?t[rd]>)[^>]*>"))
                                 .simplified();
        const QRegularExpression row("<tr> ?<td>(.*?)</td> ?<td>(.*?)</td> ?<td>(.*?)</td>");
        QStringList seen, rows, shortcuts; // key, command and menu, in the menus' order
        for (const QAction* menu : form.menuBar()->actions()) {
            const QString title = menu->text().remove('&');
            seen << title + ':';
            for (const QAction* item : menu->menu()->actions()) {
                const QString caption = item->isSeparator() ? "-" : item->text().remove('&'),
                              key = item->shortcut().toString();
                seen << caption + (item->isCheckable() ? item->isChecked() ? " [x]" : " [ ]" : "") +
                            (key.isEmpty() ? "" : ' ' + key) + (item->isEnabled() ? "" : " off");
                if (!key.isEmpty()) shortcuts << key + ' ' + caption + ' ' + title;
                for (auto cells = row.globalMatch(html); cells.hasNext();) {
                    const QRegularExpressionMatch m = cells.next();
                    if ((m.captured(2) + ' ').startsWith(caption + ' '))
                        rows << m.captured(1) + ' ' + caption + ' ' + m.captured(3);
                }
            }
        }
        QCOMPARE(seen.join('|'),
                 "Juego:|Figura Aleatoria|-|Descubrir Ficha|Solución|-|Reiniciar F5|Opciones:|"
                 "Silueta [ ] F2|-|Fichas Grandes [x]|Fichas Medianas [ ]|Fichas pequeñas [ ]|"
                 "Fichas Diminutas [ ]|-|Guardar Posición F3|Cargar Posición F4 off|-|"
                 "Editar [ ] F6|Guardar Figura F7 off|Ayuda:|Como Jugar F1|Acerca de...");
        QCOMPARE(rows, shortcuts);
    }

    // The real dialogs answered with a player's keys: a question shows the game's name,
    // its text, a question mark (4), OK, the default, and Cancel; the input box gives back
    // what was typed.
    void dialogs() {
        DesktopPlatform desktop;
        QStringList seen;
        const auto answer = [&seen] {
            QTimer::singleShot(0, [&seen] { // once the dialog is up
                QWidget* modal = QApplication::activeModalWidget();
                seen << modal->windowTitle();
                if (const auto* box = qobject_cast<QMessageBox*>(modal))
                    seen.last() += '|' + box->text() + '|' + QString::number(box->icon()) + '|' +
                                   QString::number(box->buttons().size());
                if (auto* edit = modal->findChild<QLineEdit*>()) QTest::keyClicks(edit, " ab 2");
                QTest::keyClick(modal, Qt::Key_Return);
            });
        };
        answer();
        QVERIFY(desktop.messageBox(nullptr, "¿Seguro?", Platform::Icon::Question,
                                   Platform::Buttons::OkCancel) == Platform::Answer::Ok);
        answer();
        QCOMPARE(desktop.inputBox(nullptr, "Nombre:", "Nueva figura", {}), " ab 2");
        QCOMPARE(seen, (QStringList{"Sietari|¿Seguro?|4|2", "Nueva figura"}));
    }
};

QTEST_MAIN(UiTest)

#include "UiTest.moc"
