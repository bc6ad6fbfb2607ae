// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The catalogue is single-byte Windows-1252 text. Bytes 0x81, 0x8D, 0x8F,
// 0x90 and 0x9D have no character there; they decode to the C1 control of the
// same number so that any file reads and writes back unchanged.
QString decodeWindows1252(const QByteArray& bytes);

// False, with *out emptied, as soon as one character has no byte: a name that
// cannot be stored must be refused, never written with a stand-in character.
bool encodeWindows1252(const QString& text, QByteArray* out);
