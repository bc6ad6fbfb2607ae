// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where players reach the people who make Sietari. The reserved example.org
// domain stands in until the project has addresses of its own.
inline const QString kProjectMail = QStringLiteral("sietari@example.org");
inline const QString kProjectWeb = QStringLiteral("sietari.example.org"); // no scheme
inline const QString kProjectCredit = QStringLiteral("Por el equipo de Sietari");
