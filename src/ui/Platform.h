// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Everything the window asks of the desktop that a test must control:
// modal questions, the desktop's program for a file, chance and the folder
// the program lives in.
class Platform {
  public:
    enum class Icon { Question, Exclamation };
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~Platform() = default;

    // A modal message box titled "Sietari"; OK is the default button.
    virtual Answer messageBox(QWidget* owner, const QString& text, Icon icon, Buttons buttons) = 0;
    // A modal input box; Cancel answers with empty text.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& text) = 0;
    // Opens a file of `folder`, or an address, with the desktop's program.
    virtual void openWithDesktop(const QString& target, const QString& folder) = 0;
    // Shows one of the game's own windows modally; returns once it is closed.
    virtual void runModal(QDialog* dialog) = 0;

    virtual void seedRandomFromClock() = 0;
    // u uniformly from [0, 1).
    virtual double nextRandom() = 0;

    // The folder that holds the program file, without a trailing separator.
    virtual QString programFolder() const = 0;
    // The player's own folder for the files the game writes; it may not exist yet.
    virtual QString userDataFolder() const = 0;
    // Where an installed game keeps its shipped, read-only files, first choice first.
    virtual QStringList sharedDataFolders() const = 0;
};
