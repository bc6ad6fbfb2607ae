// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "geometry/PolarGeometry.h"

#include <QAction>

namespace {
constexpr int16_t kSizes[4] = {700, 600, 512, 423};
}

// Every piece grows or shrinks about its centre, keeping its turn.
void Form1::MnuTam_Click(int Index) {
    // A group left standing would keep white members that the next band
    // cannot hold; end it so every piece is re-cut in its own colour.
    if (GroupSelected) SettlePieces();
    for (QAction* item : MnuTam)
        item->setChecked(false);
    MnuTam.at(Index)->setChecked(true);
    M.PieceSize = kSizes[Index];
    ComputePieceRadii(M.PieceSize, M.PieceRadius);
    ComputeVertices();
    // A piece hanging over the edge by a corner may shrink wholly off the board.
    if (!M.Dragging) SettlePieces();
}
