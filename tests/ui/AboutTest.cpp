#include "Board.h"
#include "TestMain.h"
#include "ui/FormTallacor.h"

#include <QFile>
#include <QLabel>

// The about window, at start-up and on request, and the help page.
class AboutTest : public QObject {
    Q_OBJECT
  private slots:
    // Start-up ends with the about window; the main window waits for it.
    void shownAtStartUp() {
        Board board;
        bool mainShown = true;
        board.platform.onModal = [&](QDialog*) { mainShown = board.form.isVisible(); };
        QVERIFY(board.load(false));
        QCOMPARE(board.platform.modals, QStringList{"Acerca de Sietari"});
        QVERIFY(!mainShown);
    }

    // A click on each control (null: the background), or a key; whether the window
    // stays open and what it opened.
    void closing_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        for (const char* name : {"lblTitulo", "imgIcono", "lblCreadoPor", "imgLogo", "lblTexEmail",
                                 "lblTexWeb", "lblTexto", "lblClick", ""})
            QTest::newRow(*name ? name : "background") << name << 0 << "";
        QTest::newRow("lblMail") << "lblMail" << 0 << "mailto:sietari@example.org";
        QTest::newRow("lblURL") << "lblURL" << 0 << "http://sietari.example.org";
        QTest::newRow("a letter") << "" << int(Qt::Key_A) << "";
        QTest::newRow("Enter") << "" << int(Qt::Key_Return) << "";
        QTest::newRow("Escape") << "" << int(Qt::Key_Escape) << "";
        QTest::newRow("Shift alone") << "" << int(Qt::Key_Shift) << "-";
    }
    void closing() {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, opened);
        Board board;
        board.form.setWindowTitle("Otro título");
        FormTallacor about(&board.form, board.platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.lblTitulo->text(), "Otro título"); // copied on activation
        auto* target =
            control.isEmpty() ? static_cast<QWidget*>(&about) : about.findChild<QLabel*>(control);
        if (key)
            QTest::keyClick(&about, Qt::Key(key));
        else
            QTest::mouseClick(target, Qt::LeftButton, {},
                              control.isEmpty() ? QPoint(5, 300) : QPoint(3, 3));
        const bool stays = !opened.isEmpty();
        QCOMPARE(about.isVisible(), stays);
        QCOMPARE(board.platform.opened.join(""), opened == "-" || !stays ? "" : "|" + opened);
    }

    // Over an address its underline follows the pointer; the background clears both,
    // other labels change nothing.
    void underlines() {
        Board board;
        FormTallacor about(&board.form, board.platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const auto underlined = [&] {
            return QString(about.lblMail->font().underline() ? "m" : "") +
                   (about.lblURL->font().underline() ? "u" : "");
        };
        const QList<std::pair<QWidget*, QString>> path{{about.lblMail, "m"}, {about.lblURL, "u"},
                                                       {about.lblMail, "m"}, {about.lblTexWeb, "m"},
                                                       {about.imgLogo, "m"}, {&about, ""}};
        for (const auto& [over, expected] : path) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), over->mapToGlobal(QPointF(2, 2)),
                             Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(over, &move);
            QCOMPARE(underlined(), expected);
        }
    }

    // The help page beside the program comes first, then the installed one; the desktop
    // is given the page's folder, so the current directory does not matter.
    void help_data() {
        QTest::addColumn<QStringList>("present"); // "program", "share"
        QTest::addColumn<QString>("opened");
        QTest::newRow("beside the program") << QStringList{"program", "share"} << "program";
        QTest::newRow("installed") << QStringList{"share"} << "share";
        QTest::newRow("none") << QStringList{} << "";
    }
    void help() {
        QFETCH(QStringList, present);
        QFETCH(QString, opened);
        BOARD(false);
        const QMap<QString, QString> folders{{"program", board.platform.folder},
                                             {"share", board.platform.shared[0]}};
        for (const QString& place : present) {
            QDir().mkpath(folders[place]);
            QFile page(folders[place] + "/Instrucciones.htm");
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        QDir::setCurrent(QDir::rootPath());
        form.MnuComo->trigger();
        QCOMPARE(board.platform.opened, opened.isEmpty()
                                            ? QStringList{}
                                            : QStringList{folders[opened] + "|Instrucciones.htm"});
    }
};

SIETARI_TEST(AboutTest);

#include "AboutTest.moc"
