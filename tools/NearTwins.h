// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tiling.h"

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <vector>

// Two figures are near-twins when their silhouettes, one laid on the other
// after the best turn by a multiple of 45 degrees, mirror and small shift,
// share this much of their union (intersection over union) or more: a player
// scrolling the list would meet the same figure twice. Two convex figures are
// never near-twins: the thirteen convex shapes of the seven pieces are a set a
// player solves for their likeness, told apart by their corners.
constexpr double kNearTwinShare = 0.9;

// The silhouettes of the figures seen so far, drawn small, each centred on
// its centre of mass.
class NearTwins {
  public:
    // The earlier figure the new one is a near-twin of, with how much they
    // share, or an empty text; the new one is kept either way.
    QString add(const QString& name, const Pieces& pieces);

  private:
    // One row of bits a row of pixels, six pixels a lattice unit.
    using Bitmap = std::array<std::bitset<128>, 128>;

    static Bitmap draw(const Pieces& pieces, int eighthTurns, bool mirrored);
    static double bestShare(const Bitmap& fixed, const Bitmap& moving);
    static bool convex(const Pieces& pieces);

    QStringList names_;
    std::vector<bool> convex_;
    std::vector<Bitmap> silhouettes_;
};
