// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLockFile;

// Takes `lock`, the lock of the catalogue `path`, against a second running
// game. A lock no running game holds (left by a game that was killed, empty,
// garbage or another program's) is taken over; a live one is waited for
// briefly while the window goes on painting. False, with *error saying in
// Spanish what is really in the way, when it cannot be had.
bool takeSaveLock(QLockFile& lock, const QString& path, QString* error);
