// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Every figure of a catalogue as the preview box shows it, black on green, its
// name under it, ten to a row: one picture to look the catalogue over.
QImage contactSheet(const QByteArray& catalogue);
