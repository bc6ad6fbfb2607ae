// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Module1.h"

#include "geometry/PolarGeometry.h"

namespace {
// Start displacement of each piece in pixels, the same at every size.
constexpr int16_t kStartOffset[7][2] = {{176, 175}, {-115, 163}, {-184, 61}, {27, 186},
                                        {75, 160},  {-184, 135}, {-21, 172}};
} // namespace

void Module1::InitPieceTables(double buttonWidth, double buttonHeight) {
    const double A2 = SlopeAngle2;
    const double A3 = SlopeAngle3;
    const double angles[7][4] = {
        {315, A2 + 135, (A2 * -1) + 135, (A2 * -1) + 135},
        {90, (180 - (A2 + 90)) * -1, (180 - (A2 + 90)) + 180, (180 - (A2 + 90)) + 180},
        {0, (180 - (A2 + 90)) + 90, A2 + 180, A2 + 180},
        {90, (180 - (A2 + 90)) + 180, (A2 + 90) + 180, (A2 + 90) + 180},
        {90, 180, 270, 0},
        {135, A3 + 180, -45, A3},
        {270, (180 - (A3 + 90)) + 135, (A3 + 180) + 135, (A3 + 180) + 135},
    };
    ComputePieceRadii(PieceSize, PieceRadius);
    for (int p = 0; p <= 6; ++p) {
        PieceCentre[p][1] = buttonWidth / 2;
        PieceCentre[p][2] = buttonHeight / 2;
        for (int v = 1; v <= 4; ++v)
            PieceAngle[p][v] = angles[p][v - 1];
        PieceOffset[p][1] = kStartOffset[p][0];
        PieceOffset[p][2] = kStartOffset[p][1];
    }
}
