#include "ui/DesktopPlatform.h"
#include "TestMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
// Hands the next modal window to `act` as soon as it is up; a test that waits for
// one that never comes fails instead of hanging.
void whenModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() < 5000) return;
        poll->deleteLater();
        delete clock;
        if (modal) act(modal);
    });
    poll->start(10);
}
} // namespace

// The real dialogs, answered with the keys a player would press.
class DesktopPlatformTest : public QObject {
    Q_OBJECT
    DesktopPlatform desktop;

  private slots:
    void messageBox_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("question, Enter") << true << int(Qt::Key_Return) << true;
        QTest::newRow("question, Escape") << true << int(Qt::Key_Escape) << false;
        QTest::newRow("refusal, Enter") << false << int(Qt::Key_Return) << true;
    }
    void messageBox() {
        QFETCH(bool, question);
        QFETCH(int, key);
        QFETCH(bool, ok);
        QString seen;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon()) +
                   '|' + QString::number(box->standardButtons()) + '|' +
                   QString::number(box->defaultButton() ==
                                   static_cast<QAbstractButton*>(box->button(QMessageBox::Ok)));
            QTest::keyClick(box, Qt::Key(key));
        });
        const auto answer = desktop.messageBox(
            nullptr, "¿Seguro?", question ? Platform::Icon::Question : Platform::Icon::Exclamation,
            question ? Platform::Buttons::OkCancel : Platform::Buttons::Ok);
        QCOMPARE(answer == Platform::Answer::Ok, ok);
        const int buttons = question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
        QCOMPARE(seen, QStringLiteral("Sietari|¿Seguro?|%1|%2|1")
                           .arg(question ? QMessageBox::Question : QMessageBox::Warning)
                           .arg(buttons));
    }

    void inputBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Enter") << int(Qt::Key_Return) << " ab 2";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "";
    }
    void inputBox() {
        QFETCH(int, key);
        QFETCH(QString, answer);
        QString title;
        whenModal([&](QWidget* modal) {
            title = modal->windowTitle();
            QTest::keyClicks(modal->findChild<QLineEdit*>(), " ab 2");
            QTest::keyClick(modal, Qt::Key(key));
        });
        QCOMPARE(desktop.inputBox(nullptr, "Introduce el nombre:", "Nueva figura", {}), answer);
        QCOMPARE(title, "Nueva figura");
    }
};

SIETARI_TEST(DesktopPlatformTest);
#include "DesktopPlatformTest.moc"
