// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include <QTest>

#include <QFile>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// What the player is told when a save fails: for a full disk, for a file where the own
// folder goes, while another game holds the catalogue.
static const QString kFull = "File too large", kBlocked = "No se puede crear", kBusy = "Otra copia";

static QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `body` in a child process as a player, who cannot write where the test took
// the write bits away (as root that means running as nobody); true when every check
// in the body passed there.
static bool asPlayer(const std::function<void()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        body();
        _exit(QTest::currentTestFailed() ? 1 : 0);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The marks of the editor, each true where it shows the editor on.
static QList<bool> editorMarks(const Form1& f) {
    QList<bool> on = {f.M.EditMode, f.MnuEdit->isChecked(), f.MnuGuardar->isEnabled()};
    on << !f.MnuGame->menuAction()->isEnabled() << !f.List1->isEnabled() << !f.Frame4->isEnabled();
    return on << !f.MnuTam[0]->isEnabled() << (f.Shape3->borderColour() == kBrightGreen);
}

// The figure editor, the names it accepts and where its figures are written.
class EditorTest : public QObject {
    Q_OBJECT

  private slots:
    // A figure composed in the editor and saved: the names typed in turn, what the player
    // is told after confirming (each message holds its text) and the name saved, none
    // when nothing is. A figure goes beside the program, or, for a player who cannot
    // write there, into a copy in their own folder, which the game reads from then on
    // (the new figure shows). A save that cannot be made, on a disk about to fill, with
    // a file where the own folder goes or while another game holds the catalogue, says
    // why, keeps the editor on and leaves every file as it was; Editar then leaves it.
    void save_data() {
        QTest::addColumn<bool>("readOnly"); // the program's folder
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QByteArray>("saved");
        using L = QStringList;
        using B = QByteArray;
        const QString bad = "Solo letras y números.";
        QTest::newRow("own folder; trim, capitals, ñ") << true << L{" ñu2 "} << L{} << B("\321U2");
        QTest::newRow("taken is told before bad letters")
            << false << L{"inicio", "in icio", "café", "Inicio2"}
            << L{"Ese nombre ya existe.", bad, bad} << B("INICIO2");
        QTest::newRow("name cancelled") << false << L{} << L{} << B();
        QTest::newRow("disk full") << false << L{"X"} << L{kFull} << B();
        QTest::newRow("disk full after the copy") << true << L{"X"} << L{kFull} << B();
        QTest::newRow("another game saving") << false << L{"X"} << L{kBusy} << B();
        QTest::newRow("a file for the own folder") << true << L{"X"} << L{kBlocked} << B();
    }
    void save() {
        QFETCH(bool, readOnly);
        QFETCH(QStringList, names);
        QFETCH(QStringList, told);
        QFETCH(QByteArray, saved);
        BOARD(true);
        FakePlatform& files = board.platform;
        // Without its final line end: the record must start on a line of its own.
        const QByteArray before = FakePlatform::figureRecord("INICIO").chopped(2);
        files.writeCatalogue(before);
        const QString shipped = form.CatalogueFile, own = files.userFolder + "/Sietari.dat";
        if (told.contains(kBlocked)) QVERIFY(QFile(files.userFolder).open(QIODevice::WriteOnly));
        QLockFile other(shipped + ".lock");
        if (told.contains(kBusy)) QVERIFY(other.lock());
        chmod(qPrintable(shipped), readOnly ? 0444 : 0666);
        chmod(qPrintable(files.folder), readOnly ? 0555 : 0777);
        chmod(qPrintable(files.dataDir.path()), 0777);
        // The editor gives up the stored position, takes the large size and puts every
        // piece on the board.
        for (const char* step : {"P", "b4", "z", "e"})
            board.act(step);
        QVERIFY(!form.MnuCarPos->isEnabled() && board.shownInColour(4));
        files.inputs.assign(names.begin(), names.end());
        QVERIFY(asPlayer([&] {
            const rlimit full{rlim_t(before.size() + 10), RLIM_INFINITY};
            if (told.contains(kFull)) QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
            signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            form.MnuGuardar->trigger();
            QCOMPARE(files.messages.size(), told.size() + 1);
            for (int i = 0; i < told.size(); ++i)
                QVERIFY2(files.messages[i + 1].contains(told[i]), qPrintable(told[i]));
            QCOMPARE(editorMarks(form), QList<bool>(8, saved.isEmpty()));
            if (saved.isEmpty()) form.MnuEdit->trigger();
            QCOMPARE(editorMarks(form), QList<bool>(8, false));
            QCOMPARE(form.List2.value(form.FigureIndex).toLatin1(),
                     saved.isEmpty() ? "INICIO" : saved);
        }));
        chmod(qPrintable(files.folder), 0755);
        const QByteArray added = before + "\r\n" + FakePlatform::figureRecord(saved);
        QCOMPARE(contents(shipped), saved.isEmpty() || readOnly ? before : added);
        QCOMPARE(contents(own), saved.isEmpty() || !readOnly ? "" : added);
    }
};

QTEST_MAIN(EditorTest)

#include "EditorTest.moc"
