// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The catalogue and the help page live beside the program in a build tree or
// an unpacked copy, and read-only in a shared folder once installed. The
// figures a player saves where that catalogue cannot be written go to a file
// of the player's own, which holds only those and is read after it, so a
// later release's figures still show. This is the one place that rule is kept.
struct GameFolders {
    QString user;       // the player's own data folder
    QString program;    // the folder of the program file
    QStringList shared; // an installed game's folders, first choice first
};

extern const QString kCatalogueName;
extern const QString kHelpName;

// Where the shipped catalogue is looked for: beside the program, then the
// installed ones.
QStringList catalogueCandidates(const GameFolders& folders);

// The player's own figures, read after the catalogue; empty without a folder.
QString playerCatalogue(const GameFolders& folders);

// Where the help page is looked for: beside the program, then installed.
QStringList helpCandidates(const GameFolders& folders);

// Where a figure the player saves goes: the catalogue that was read
// (`readPath`) when it lies beside the program and the player may write it
// and its folder; else the player's own file. An installed catalogue is never
// written, not even by root.
QString saveTarget(const QString& readPath, const GameFolders& folders);

// Appends the record of the figure `name` to `target`, made with its folder if
// need be, under a lock that a second running game respects. The name is
// looked for again under the lock, and the record starts in step with the
// file's records even after a damaged last one. False, with *error saying in
// Spanish why, when it cannot be saved; then the file is as it was.
bool saveFigureRecord(const QString& target, const QString& name, const QByteArray& record,
                      QString* error);
