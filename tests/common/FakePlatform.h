#pragma once

#include "ui/Platform.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <random>

// A platform a test controls: it records every question and answers from
// queues (OK and empty text once they run dry), and draws chance from a
// fixed list, then from a generator with a fixed seed.
//
// The program folder is a fresh temporary one holding a one-figure catalogue,
// so a window loads as it would beside a real catalogue; a test may replace
// that file (writeCatalogue) before Form_Load.
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
    void seedRandomFromClock() override {}
    double nextRandom() override;
    QString programFolder() const override { return folder; }

    QTemporaryDir programDir;
    QString folder;
    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<double> randoms;
    QList<Message> messages;
    QStringList prompts;
    QStringList opened;

  private:
    std::mt19937 fallback_{20261206};
};
