#pragma once

#include "ui/Platform.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <random>

// A platform a test controls: it records every question and answers from
// queues (OK and empty text once they run dry), and draws chance from a
// fixed list, then from a generator with a fixed seed.
//
// The program folder is a fresh temporary one holding a one-figure catalogue,
// so a window loads as it would beside a real catalogue; a test may replace
// that file (writeCatalogue) before Form_Load. The player's folder and one
// installed folder are empty, not yet made, temporary places.
class FakePlatform : public Platform {
  public:
    FakePlatform();
    void writeCatalogue(const QByteArray& bytes) const;
    static QByteArray figureRecord(const QByteArray& name);

    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer messageBox(QWidget* owner, const QString& text, Icon icon, Buttons buttons) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& text) override;
    void openWithDesktop(const QString& target, const QString& folder) override;
    void runModal(QDialog* dialog) override;
    void seedRandomFromClock() override {}
    double nextRandom() override;
    QString programFolder() const override { return folder; }
    QString userDataFolder() const override { return userFolder; }
    QStringList sharedDataFolders() const override { return shared; }

    QTemporaryDir programDir;
    QString folder;
    QTemporaryDir dataDir; // the player's folder and an installed one live here
    QString userFolder;    // not made until the game writes there
    QStringList shared;
    std::function<void(QDialog*)> onModal; // sees a modal window while it is up
    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<double> randoms;
    QList<Message> messages;
    QStringList opened;
    QStringList modals; // window titles

  private:
    std::mt19937 fallback_{20261206};
};
