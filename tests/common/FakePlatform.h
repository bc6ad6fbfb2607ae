#pragma once

#include "ui/Platform.h"

#include <QStringList>
#include <deque>

// A platform a test controls: it records every question and answers from
// queues (OK and empty text once they run dry), and draws chance from a
// fixed list.
class FakePlatform : public Platform {
public:
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

    QString folder;
    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<double> randoms;
    QList<Message> messages;
    QStringList prompts;
    QStringList opened;
};
