// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The catalogue and the help page live beside the program in a build tree or
// an unpacked copy, and read-only in a shared folder once installed; the
// figures a player adds go to the player's own folder when the catalogue that
// was read cannot be written. This is the one place that rule is kept.
struct GameFolders {
    QString user;       // the player's own data folder
    QString program;    // the folder of the program file
    QStringList shared; // an installed game's folders, first choice first
};

extern const QString kCatalogueName;
extern const QString kHelpName;

// Where the catalogue is looked for: the player's own copy, the one beside the
// program, then the installed ones.
QStringList catalogueCandidates(const GameFolders& folders);

// Where the help page is looked for: beside the program, then installed.
QStringList helpCandidates(const GameFolders& folders);

// Appends `record` to the catalogue read from `readPath`, under a lock that a
// second running game respects. Where the player cannot write that file, it is
// first copied to the player's folder and the record goes to the copy. Returns
// the file that now holds the record, or an empty string with *error saying
// why; then every file is as it was.
QString saveFigureRecord(const QString& readPath, const QString& userFolder,
                         const QByteArray& record, QString* error);
