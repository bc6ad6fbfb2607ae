#include "Board.h"
#include "TestMain.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/GameFiles.h"

#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `body` in a child process as a player, who cannot write where the test
// takes away the write bits (as root that means running as nobody); true when
// the body succeeded there.
bool asPlayer(const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// The stored position, the figure editor and where its figures are written.
class EditorTest : public QObject {
    Q_OBJECT

    // Plays the steps (Board::act); after each C every piece must be where and as it was
    // at the last P.
    void play(Board& board, const QString& steps) {
        QList<QList<QPointF>> stored;
        QList<bool> away;
        for (const QString& step : steps.split(' ')) {
            board.act(step);
            for (int p = 0; p <= 6 && step == "P"; ++p)
                stored = board.places(), away.insert(p, board.away(p));
            for (int p = 0; p <= 6 && step == "C"; ++p)
                QVERIFY2(board.offBy(stored[p], p) == 0 && board.away(p) == away[p] &&
                             board.inconsistency().isEmpty(),
                         qPrintable(QString("piece %1").arg(p)));
        }
    }

  private slots:
    void storedPosition_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("canLoad");
        QTest::newRow("moved, turned, put away") << "b1 P d4 t6 C" << true;
        QTest::newRow("put away after storing") << "P d4 t6 b1 C" << true;
        QTest::newRow("twice") << "d4 t6 P b1 d4 C C" << true;
        QTest::newRow("across a size change") << "d4 t6 P z C" << true;
        QTest::newRow("a group on the board") << "g P d4 C" << true;
        QTest::newRow("group standing when loaded") << "P g C" << true;
        QTest::newRow("editor gives it up") << "P e e" << false;
        QTest::newRow("stored anew after the editor") << "P e e d4 P t6 C" << true;
    }
    void storedPosition() {
        QFETCH(QString, steps);
        QFETCH(bool, canLoad);
        BOARD(true);
        QVERIFY(!form.MnuCarPos->isEnabled());
        play(board, steps);
        QCOMPARE(form.MnuCarPos->isEnabled(), canLoad);
        QCOMPARE(form.MnuTam[2]->isChecked(), steps.contains('z'));
    }

    // A position stored while the square hangs off the board in the middle of a drag
    // puts it away when loaded, as a drop there would.
    void storedOffTheBoard() {
        BOARD(true);
        board.press(board.onPiece(4));
        board.move(board.onPiece(4) + QPoint(0, 150));
        form.MnuPunto->trigger();
        board.release({});
        board.act("b4");
        form.MnuCarPos->trigger();
        QVERIFY(board.away(4) && board.inconsistency().isEmpty());
    }

    // How the window looks with the editor on, and after each way of leaving it.
    void editorControls_data() {
        QTest::addColumn<QString>("leave"); // "" stays on, "editar", "guardar"
        QTest::newRow("on") << "";
        QTest::newRow("off with Editar") << "editar";
        QTest::newRow("off by a save") << "guardar";
    }
    void editorControls() {
        QFETCH(QString, leave);
        BOARD(true);
        form.MnuPunto->trigger();
        form.MnuTam[3]->trigger();
        form.Check2[4]->setChecked(true);
        const QList<QPointF> centre = board.place(6);
        form.MnuEdit->trigger();
        const bool on = leave.isEmpty();
        // Every piece on the board at the large size, each about its own centre.
        for (int p = 0; p <= 6; ++p)
            QVERIFY(board.shownInColour(p));
        QCOMPARE(board.place(6)[0], centre[0]);
        QCOMPARE(form.M.PieceSize, int16_t(700));
        // The preview shows the board scaled down, as it will be saved.
        for (int p = 0; p <= 6; ++p) {
            QPolygon expected;
            for (int v = 1; v <= 4; ++v)
                expected << QPoint(qRound(int(form.M.PieceVertex[p][v][1]) * 275 / 700.0),
                                   qRound(int(form.M.PieceVertex[p][v][2]) * 275 / 700.0));
            QVERIFY((form.Command10[p]->mask() ^ QRegion(expected, Qt::OddEvenFill))
                        .boundingRect()
                        .width() <= 1);
        }
        board.platform.inputs = {"NUEVA"};
        if (leave == "editar") form.MnuEdit->trigger();
        if (leave == "guardar") form.MnuGuardar->trigger();
        QCOMPARE(form.M.EditMode, on);
        QCOMPARE(form.MnuEdit->isChecked(), on);
        QCOMPARE(form.MnuGuardar->isEnabled(), on);
        QCOMPARE(form.MnuGame->menuAction()->isEnabled(), !on);
        QCOMPARE(form.List1->isEnabled(), !on);
        QCOMPARE(form.Frame4->isEnabled(), !on);
        QVERIFY(!form.MnuCarPos->isEnabled());
        for (QAction* size : form.MnuTam)
            QCOMPARE(size->isEnabled(), !on);
        QCOMPARE(form.Shape3->borderWidth(), on ? 2 : 1);
        QCOMPARE(form.Shape3->borderColour() == kBrightGreen, on);
        QCOMPARE(form.List1->currentItem()->text(), leave == "guardar" ? "NUEVA" : "INICIO");
        QCOMPARE(form.List2.value(form.FigureIndex), form.List1->currentItem()->text());
    }

    // Answers to the name question, then the questions asked and the name saved (none
    // when nothing is). The start layout at the large size is saved; its preview
    // corners are the fake's figure record, worked out apart from the game.
    void naming_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("refusals");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("trimmed, upper case")
            << true << QStringList{"  rombo 7  "} << QStringList{"Solo letras y números."}
            << QByteArray();
        QTest::newRow("digits and ñ")
            << true << QStringList{" ñu2 "} << QStringList{} << QByteArray("\321U2");
        QTest::newRow("taken is told before bad letters")
            << true << QStringList{"inicio", "in icio", "Inicio2"}
            << QStringList{"Ese nombre ya existe.", "Solo letras y números."}
            << QByteArray("INICIO2");
        QTest::newRow("accented vowel")
            << true << QStringList{"café", "cafe"} << QStringList{"Solo letras y números."}
            << QByteArray("CAFE");
        QTest::newRow("name cancelled") << true << QStringList{} << QStringList{} << QByteArray();
        QTest::newRow("not confirmed")
            << false << QStringList{"X"} << QStringList{} << QByteArray();
    }
    void naming() {
        QFETCH(bool, confirmed);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, refusals);
        QFETCH(QByteArray, saved);
        BOARD(true);
        const QByteArray before = contents(form.CatalogueFile);
        form.MnuEdit->trigger();
        form.MnuPunto->trigger(); // storing a position must not change what is saved
        board.platform.answers = {confirmed ? Platform::Answer::Ok : Platform::Answer::Cancel};
        board.platform.inputs.assign(answers.begin(), answers.end());
        form.MnuGuardar->trigger();
        QStringList told;
        for (const FakePlatform::Message& message : board.platform.messages.mid(1))
            told << message.text;
        QCOMPARE(told, refusals);
        QCOMPARE(board.platform.messages.value(0).text,
                 "Quieres guardar la figura?.\n\nRecuerda que se grabará la figura del recuadro "
                 "verde.\nComprueba que esté correcta.");
        QCOMPARE(contents(form.CatalogueFile),
                 saved.isEmpty() ? before : before + FakePlatform::figureRecord(saved));
        QCOMPARE(form.M.EditMode, saved.isEmpty());
        if (!saved.isEmpty()) QCOMPARE(form.List2.value(form.FigureIndex).toLatin1(), saved);
    }

    // Where a figure goes: beside the program, or, for a player who cannot write
    // there, into a copy in their own folder, read from then on. A save that cannot be
    // made (a disk about to fill, a file where the folder goes) says why, keeps the
    // editor on and leaves every file as it was.
    void save_data() {
        QTest::addColumn<bool>("readOnly"); // the program's folder
        QTest::addColumn<QString>("trouble");
        QTest::newRow("beside the program") << false << "";
        QTest::newRow("disk full there") << false << "File too large";
        QTest::newRow("own folder") << true << "";
        QTest::newRow("disk full after the copy") << true << "File too large";
        QTest::newRow("a file where the own folder goes") << true << "No se puede crear";
    }
    void save() {
        QFETCH(bool, readOnly);
        QFETCH(QString, trouble);
        BOARD(true);
        FakePlatform& files = board.platform;
        const QString shipped = form.CatalogueFile, own = files.userFolder + "/Sietari.dat";
        const QByteArray before = contents(shipped), record = FakePlatform::figureRecord("NUEVA");
        if (trouble.startsWith("No")) QVERIFY(QFile(files.userFolder).open(QIODevice::WriteOnly));
        chmod(qPrintable(shipped), readOnly ? 0444 : 0666);
        chmod(qPrintable(files.folder), readOnly ? 0555 : 0777);
        chmod(qPrintable(files.dataDir.path()), 0777);
        form.MnuEdit->trigger();
        files.inputs = {"NUEVA"};
        const QString target = readOnly ? own : shipped;
        QVERIFY(asPlayer([&] {
            const rlimit full{rlim_t(before.size() + 10), RLIM_INFINITY};
            if (trouble.startsWith("File"))
                signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &full);
            form.MnuGuardar->trigger();
            if (trouble.isEmpty()) return form.CatalogueFile == target && form.M.EditMode == false;
            const FakePlatform::Message told = files.messages.last();
            return told.text.startsWith("No se pudo guardar la figura.\n") &&
                   told.text.contains(trouble) && told.icon == Platform::Icon::Exclamation &&
                   form.M.EditMode && form.MnuGuardar->isEnabled();
        }));
        chmod(qPrintable(files.folder), 0755);
        const bool saved = trouble.isEmpty();
        QCOMPARE(contents(shipped), before + (saved && !readOnly ? record : ""));
        QCOMPARE(contents(own), saved && readOnly ? before + record : "");
        Form1 next(files);
        QVERIFY(next.Form_Load());
        QCOMPARE(next.CatalogueFile, saved ? target : shipped);
    }

    // Several games saving at once: every record arrives whole, none lost or mixed.
    void concurrentSaves() {
        FakePlatform files;
        const QString path = files.folder + "/Sietari.dat";
        const QByteArray before = contents(path);
        constexpr int kGames = 4, kEach = 25;
        QList<pid_t> games;
        for (int g = 0; g < kGames; ++g) {
            const pid_t child = fork();
            if (child == 0) {
                bool ok = true;
                for (int i = 0; i < kEach; ++i)
                    ok &= !saveFigureRecord(
                               path, files.userFolder,
                               FakePlatform::figureRecord(QByteArray::number(g * 100 + i)), nullptr)
                               .isEmpty();
                _exit(ok ? 0 : 1);
            }
            games << child;
        }
        for (pid_t game : games) {
            int status = 0;
            QVERIFY(waitpid(game, &status, 0) == game && WIFEXITED(status) &&
                    WEXITSTATUS(status) == 0);
        }
        QByteArray rest = contents(path);
        QVERIFY(rest.startsWith(before));
        rest.remove(0, before.size());
        QSet<QByteArray> names;
        while (!rest.isEmpty()) {
            const QByteArray name = rest.mid(1, rest.indexOf('"', 1) - 1);
            const QByteArray record = FakePlatform::figureRecord(name);
            QVERIFY2(rest.startsWith(record), rest.left(80).constData());
            rest.remove(0, record.size());
            names << name;
        }
        QCOMPARE(names.size(), kGames * kEach);
    }

    // The player's own catalogue comes first, then the one beside the program, then
    // the installed one; the first that reads is used.
    void lookup_data() {
        QTest::addColumn<QStringList>("present"); // of "user", "program", "share"
        QTest::addColumn<QString>("read");
        QTest::newRow("own first") << QStringList{"user", "program", "share"} << "user";
        QTest::newRow("beside the program") << QStringList{"program", "share"} << "program";
        QTest::newRow("installed") << QStringList{"share"} << "share";
        QTest::newRow("empty own copy passed over") << QStringList{"user:", "share"} << "share";
        QTest::newRow("none") << QStringList{} << "";
    }
    void lookup() {
        QFETCH(QStringList, present);
        QFETCH(QString, read);
        Board board;
        FakePlatform& files = board.platform;
        QVERIFY(QFile::remove(files.folder + "/Sietari.dat"));
        const QMap<QString, QString> folders{
            {"user", files.userFolder}, {"program", files.folder}, {"share", files.shared[0]}};
        for (const QString& place : present) {
            const QString folder = folders[place.section(':', 0, 0)];
            QDir().mkpath(folder);
            QFile file(folder + "/Sietari.dat");
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (!place.endsWith(':')) file.write(FakePlatform::figureRecord(place.toLatin1()));
        }
        QCOMPARE(board.load(false), !read.isEmpty());
        QCOMPARE(board.form.CatalogueFile, read.isEmpty() ? "" : folders[read] + "/Sietari.dat");
        if (!read.isEmpty()) QCOMPARE(board.form.List1->item(0)->text(), read);
    }
};

SIETARI_TEST(EditorTest);

#include "EditorTest.moc"
