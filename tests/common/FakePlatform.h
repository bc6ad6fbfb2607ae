// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Platform.h"

#include <QDialog>
#include <QDir>
#include <QFile>
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
// that file (writeCatalogue) before Form_Load. The player's folder and one
// installed folder are empty, not yet made, temporary places.
class FakePlatform : public Platform {
  public:
    FakePlatform() { writeCatalogue(figureRecord("INICIO")); }

    // Into the program's folder, or another one (the player's), made if need be.
    void writeCatalogue(const QByteArray& bytes, QString into = {}) const {
        QDir().mkpath(into = into.isEmpty() ? folder : into);
        QFile file(into + QStringLiteral("/Sietari.dat"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    }
    // A figure of the pieces in their start layout, as the editor saves it.
    static QByteArray figureRecord(const QByteArray& name) {
        return '"' + name + "\"\r\n" +
               "170.11,169.71\r\n118.64,169.71\r\n170.11,118.25\r\n170.11,118.25\r\n"
               "42.82,133.96\r\n78.96,170.11\r\n6.68,170.11\r\n6.68,170.11\r\n24.75,111.96\r\n"
               "6.68,93.89\r\n6.68,130.04\r\n6.68,130.04\r\n98.61,152.04\r\n80.54,170.11\r\n"
               "116.68,170.11\r\n116.68,170.11\r\n117.46,132.79\r\n99.39,150.86\r\n"
               "117.46,168.93\r\n135.54,150.86\r\n6.68,132\r\n6.68,168.14\r\n24.75,150.07\r\n"
               "24.75,113.93\r\n79.75,168.54\r\n53.82,142.61\r\n105.68,142.61\r\n"
               "105.68,142.61\r\n";
    }

    Answer messageBox(QWidget*, const QString& text, Icon, Buttons) override {
        messages.append(text);
        return next(answers, Answer::Ok);
    }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override {
        return next(inputs, QString());
    }
    void openWithDesktop(const QString& target, const QString& folder) override {
        opened.append(folder + QLatin1Char('|') + target);
    }
    void runModal(QDialog* dialog) override { modals.append(dialog->windowTitle()); }
    void seedRandomFromClock() override {}
    double nextRandom() override {
        if (randoms.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(fallback_);
        return next(randoms, 0.0);
    }
    QString programFolder() const override { return folder; }
    QString userDataFolder() const override { return userFolder; }
    QStringList sharedDataFolders() const override { return shared; }

    QTemporaryDir programDir;
    QString folder = programDir.path();
    QTemporaryDir dataDir; // the player's folder and an installed one live here
    QString userFolder = dataDir.filePath("user"); // not made until the game writes there
    QStringList shared{dataDir.filePath("share")};
    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<double> randoms;
    QStringList messages; // the texts of the message boxes
    QStringList opened;
    QStringList modals; // window titles

  private:
    // The front of a queue, taken off it; `none` once it runs dry.
    template <class T> static T next(std::deque<T>& queue, T none) {
        if (queue.empty()) return none;
        none = queue.front();
        queue.pop_front();
        return none;
    }
    std::mt19937 fallback_{20261206};
};
