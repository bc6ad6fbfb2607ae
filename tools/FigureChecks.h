// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tiling.h"

#include <QByteArray>
#include <QString>

// Pixels of the preview box per lattice unit. The game's pieces are a little
// smaller than the ideal ones, and 18 keeps every side within a pixel of
// theirs while making every corner of the straight grid a whole pixel.
constexpr int kUnitPixels = 18;

// The area of the seven pieces in eighths of a lattice unit squared: a
// straight quarter is two eighths, a turned one (half as large) one.
constexpr int kFigureEighths = 128;
int eighths(const Parts& parts);

// Why the pieces make no figure worth shipping, or an empty text: each piece
// the right shape, no two overlapping, all seven holding together along
// their sides, the whole inside the preview box with a pixel to spare.
QString figureFault(const Pieces& pieces);

// Why the name cannot be a figure's, or an empty text.
QString nameFault(const QString& name);

// For a figure of one part, the same text for two of them exactly when one
// is the other turned by quarter turns, mirrored and moved on the same grid;
// empty for a figure of several parts, which only the near-twin check meets.
QByteArray silhouetteKey(const Parts& parts);

// The corners in preview pixels, centred in the box, in the layout the
// catalogue record is built from (triangles repeat their third corner).
void toPreview(const Pieces& pieces, double VertexCopy[8][5][3]);
