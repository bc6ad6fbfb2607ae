// SPDX-License-Identifier: GPL-3.0-or-later
#include "Board.h"
#include <QTest>

#include <QFile>
#include <QListWidget>
#include <QLockFile>
#include <QMenu>
#include <cerrno>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

// The disk's flush, failing on demand: this definition stands in for the C
// library's in the whole test program, the game's code included.
static bool failFlush = false;
extern "C" int fsync(int fd) {
    if (failFlush) return errno = EIO, -1;
    return int(syscall(SYS_fsync, fd));
}

static QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `body` in a child process as a player, who cannot write where the test took
// the write bits away (as root that means running as nobody); true when every check
// in the body passed there; root stays root when asked. Nothing in the child is made safe
// beforehand: a signal that would kill the game kills the child.
static bool asPlayer(const std::function<void()>& body, bool keepRoot) {
    const pid_t child = fork();
    if (child == 0) {
        if (!keepRoot && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        body();
        _exit(QTest::currentTestFailed() ? 1 : 0);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The lock files a save may find beside the catalogue, made by the player: one a game
// killed in the middle of a save left (it ends holding the lock), a folder, garbage.
static void placeBrokenLock(const QStringList& given, const QString& lock) {
    if (given.contains("killed") && fork() == 0) _exit(QLockFile(lock).lock() ? 0 : 1);
    wait(nullptr);
    if (given.contains("lockfolder")) QVERIFY(QDir().mkdir(lock));
    QFile garbage(lock);
    if (given.contains("garbagelock"))
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("\xff\xfe\n\n\n") == 5);
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
    // A figure composed in the editor and saved. `setup` is what stands before the
    // save: the catalogue installed and root saving (installed), the program's folder
    // read-only (ro) or only the folder (rofolder), a file
    // size limit of half a record (limit) or of nothing (limit0), the disk's
    // flush failing (fsync), a lock held by another game (live), left by a killed one
    // (killed), garbage or a folder in its place, a file where the own folder
    // goes (ownfile), an empty own file (ownempty), a catalogue whose last line is lost
    // (short), the name saved by another game after this one read the catalogue
    // (taken). Then the names typed in turn, the words of each message after the
    // confirmation, the name saved (none when nothing is) and the file it goes to.
    // A save that cannot be made says why, keeps the editor on and leaves every file as
    // it was; Editar then leaves it.
    void save_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("into"); // program, own or nothing
        using L = QStringList;
        using B = QByteArray;
        const QString bad = "Solo letras y números.", big = "tamaño máximo";
        const L x{"X"}, none;
        QTest::newRow("own file; trim, capitals, ñ")
            << "ro" << L{" ñu2 "} << none << B("\321U2") << "own";
        QTest::newRow("file writable, folder not") << "rofolder" << x << none << B("X") << "own";
        QTest::newRow("installed, saved by root") << "installed" << x << none << B("X") << "own";
        QTest::newRow("an empty own file") << "ro ownempty" << x << none << B("X") << "own";
        // ß has no capital: STRASSE would be a name nobody typed.
        QTest::newRow("taken is told before bad letters")
            << "" << L{"inicio", "in icio", "café", "straße", QString(10'000'000, 'a'), "Inicio2"}
            << L{"Ese nombre ya existe.", bad, bad, bad, "demasiado largo"} << B("INICIO2")
            << "program";
        QTest::newRow("name cancelled") << "" << none << none << B() << "";
        QTest::newRow("size limit") << "limit" << x << L{big} << B() << "";
        QTest::newRow("size limit, own file") << "ro limit" << x << L{big} << B() << "";
        QTest::newRow("no size: not the lock") << "limit0" << x << L{big} << B() << "";
        QTest::newRow("flush fails") << "fsync" << x << L{"escritura en el disco"} << B() << "";
        QTest::newRow("another game saving") << "live" << x << L{"Otra copia"} << B() << "";
        QTest::newRow("a killed game's lock") << "killed" << x << none << B("X") << "program";
        QTest::newRow("a garbage lock") << "garbagelock" << x << none << B("X") << "program";
        QTest::newRow("lock is a folder") << "lockfolder" << x << L{"hay una carpeta"} << B() << "";
        QTest::newRow("own folder a file")
            << "ro ownfile" << x << L{"crear la carpeta"} << B() << "";
        QTest::newRow("a short last record") << "short" << x << none << B("X") << "program";
        QTest::newRow("saved meanwhile") << "taken" << x << L{"otro nombre"} << B() << "";
    }
    void save() {
        QFETCH(QString, setup);
        QFETCH(QStringList, names);
        QFETCH(QStringList, told);
        QFETCH(QByteArray, saved);
        QFETCH(QString, into);
        const QStringList given = setup.split(' ');
        Board board;
        FakePlatform& files = board.platform;
        Form1& form = board.form;
        // Without its final line end, the record must start on a line of its own; with
        // its last line lost, it is made whole first.
        const QByteArray inicio = FakePlatform::figureRecord("INICIO");
        QByteArray before = inicio.chopped(2), tail = "\r\n";
        if (given.contains("short")) before = inicio.chopped(15), tail = "0,0\r\n";
        files.writeCatalogue(before);
        if (given.contains("installed")) {
            QVERIFY(QDir().mkpath(files.shared[0]) &&
                    QFile::rename(files.folder + "/Sietari.dat", files.shared[0] + "/Sietari.dat"));
            chmod(qPrintable(files.shared[0] + "/Sietari.dat"), 0444);
        }
        if (given.contains("ownempty")) files.writeCatalogue("", files.userFolder);
        QVERIFY(board.load(true));
        const QString shipped = form.CatalogueFile, own = files.userFolder + "/Sietari.dat";
        const QString lock = shipped + ".lock";
        if (given.contains("taken")) {
            before += tail + FakePlatform::figureRecord("X");
            files.writeCatalogue(before);
        }
        if (given.contains("ownfile")) QVERIFY(QFile(files.userFolder).open(QIODevice::WriteOnly));
        QLockFile other(lock);
        if (given.contains("live")) QVERIFY(other.lock());
        const bool ro = given.contains("ro");
        if (!given.contains("installed")) chmod(qPrintable(shipped), ro ? 0444 : 0666);
        chmod(qPrintable(files.folder), ro || given.contains("rofolder") ? 0555 : 0777);
        chmod(qPrintable(files.dataDir.path()), 0777);
        chmod(qPrintable(files.userFolder), 0777);
        chmod(qPrintable(own), 0666);
        // The editor gives up the stored position, takes the large size and puts every
        // piece on the board.
        for (const char* step : {"P", "b4", "z", "e"})
            board.act(step);
        QVERIFY(!form.MnuCarPos->isEnabled() && board.shownInColour(4));
        files.inputs.assign(names.begin(), names.end());
        QVERIFY(asPlayer(
            [&] {
                // Half a record: the lock fits, a record is cut short.
                const rlim_t room = given.contains("limit0") ? 0 : 200;
                const rlimit limit{room, RLIM_INFINITY};
                if (setup.contains("limit")) QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
                failFlush = given.contains("fsync");
                placeBrokenLock(given, lock);
                form.MnuGuardar->trigger();
                QVERIFY2(files.messages.size() == told.size() + 1,
                         qPrintable(files.messages.join('|')));
                for (int i = 0; i < told.size(); ++i)
                    QVERIFY2(files.messages[i + 1].contains(told[i]),
                             qPrintable(files.messages[i + 1]));
                QCOMPARE(editorMarks(form), QList<bool>(8, saved.isEmpty()));
                if (saved.isEmpty()) form.MnuEdit->trigger();
                QCOMPARE(editorMarks(form), QList<bool>(8, false));
                QCOMPARE(form.List2.value(form.FigureIndex).toLatin1(),
                         saved.isEmpty() ? "INICIO" : saved);
                QVERIFY(!form.List1->findItems("INICIO", Qt::MatchExactly).isEmpty());
            },
            given.contains("installed")));
        chmod(qPrintable(files.folder), 0755);
        const QByteArray record = FakePlatform::figureRecord(saved);
        QCOMPARE(contents(shipped), into == "program" ? before + tail + record : before);
        QCOMPARE(contents(own), into == "own" ? record : "");
        QCOMPARE(QFileInfo::exists(own), into == "own" || given.contains("ownempty"));
    }
};

QTEST_MAIN(EditorTest)

#include "EditorTest.moc"
