// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tiling.h"

#include <QByteArray>
#include <QString>

// Pixels of the preview box per lattice unit. The game's pieces are a little
// smaller than the ideal ones, and 18 keeps every side within a pixel of
// theirs while making every corner a whole pixel.
constexpr int kUnitPixels = 18;

// Why the pieces laid over `region` make no figure worth shipping, or an
// empty text: each piece the right shape, no two overlapping, all seven
// holding together along their sides and covering the region, the whole
// inside the preview box with a pixel to spare.
QString figureFault(const Quarters& region, const Pieces& pieces);

// Why the name cannot be a figure's, or an empty text.
QString nameFault(const QString& name);

// The same text for two regions exactly when one is the other turned by
// quarter turns, mirrored and moved. (A turn by 45 degrees never brings a
// region back onto the lattice, so these are all the ways to match.)
QByteArray silhouetteKey(const Quarters& region);

// The corners in preview pixels, centred in the box, in the layout the
// catalogue record is built from (triangles repeat their third corner).
void toPreview(const Pieces& pieces, double VertexCopy[8][5][3]);
