// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPolygon>
#include <QRegion>

// The pixels QRegion(polygon, Qt::OddEvenFill) holds, built in one pass with
// one allocation for the region: a piece is re-cut on every move of a drag.
QRegion evenOddRegion(const QPolygon& polygon);
