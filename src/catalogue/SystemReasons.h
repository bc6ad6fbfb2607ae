// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Why the system refused a file operation, in Spanish whatever the desktop's
// language: the game's messages are Spanish, and the C library would answer
// in the locale's tongue, most often English.
QString systemReason(int error);

// Hands a refusal's reason to the caller that asked for one; false, for
// `return fail(error, ...)`.
inline bool fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}
