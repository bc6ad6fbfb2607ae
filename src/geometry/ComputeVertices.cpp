// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "geometry/PolarGeometry.h"
#include "model/Numbers.h"

#include <QCoreApplication>

// Every table is final before the first re-cut: a re-cut lets pending events
// run, and a reset or size change among them starts from these tables and
// folds its own offsets, which must not be folded a second time here.
void Form1::ComputeVertices() {
    for (int p = 0; p <= 6; ++p) {
        for (int v = 1; v <= 4; ++v) {
            const PixelPoint vertex = polarToPixel(M.PieceAngle[p][v], M.PieceRadius[p][v],
                                                   M.PieceCentre[p][1], M.PieceCentre[p][2]);
            M.PieceVertex[p][v][1] = vertex.x + M.PieceOffset[p][1];
            M.PieceVertex[p][v][2] = vertex.y + M.PieceOffset[p][2];
        }
        // The offsets apply once: from here on every vertex follows the centre.
        M.PieceCentre[p][1] += static_cast<int16_t>(M.PieceOffset[p][1] * 15);
        M.PieceCentre[p][2] += static_cast<int16_t>(M.PieceOffset[p][2] * 15);
        M.PieceOffset[p][1] = M.PieceOffset[p][2] = 0;
    }
    for (int p = 0; p <= 6; ++p)
        cutPiece(p);
    // Pending events run once, after the last cut; the piece being dragged and a
    // group made among them keep their list.
    QCoreApplication::processEvents();
}
