// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PolarGeometry.h"

#include "model/Numbers.h"

#include <QString>

#include <cmath>
#include <initializer_list>

PixelPoint polarToPixel(double angle, double radius, double centreX, double centreY) {
    const double a = degreesToRadians(angle);
    const double dx = std::cos(a) * radius;
    const double dy = std::sin(a) * radius;
    return {(dx + centreX) / kTwipsPerPixel, (centreY - dy) / kTwipsPerPixel};
}

double toPreviewCoordinate(double boardPixel, int16_t pieceSize, int16_t previewSize) {
    const double q = double(pieceSize) / previewSize;
    return QString::number(floorToInt(boardPixel) / q, 'f', 2).toDouble();
}

namespace {
// k·S is a 16-bit product taken before the division: the pieces are shortened
// by k twips at the largest size and in proportion at the smaller ones.
double shorten(int k, int16_t S) {
    return static_cast<int16_t>(k * S) / 700.0;
}
} // namespace

void ComputePieceRadii(int16_t S, double PieceRadius[8][5]) {
    const double s = S;
    const double diagonal = std::sqrt(std::pow(s, 2) + std::pow(static_cast<int16_t>(2 * S), 2.0));
    const double halfSquareDiagonal = std::sqrt(std::pow(s, 2) + std::pow(s, 2)) / 2;
    const double halfLongSide = std::sqrt(std::pow(s, 2) * 10) / 2 - shorten(8, S);

    for (int p : {0, 1}) {
        PieceRadius[p][1] = s - shorten(10, S);
        PieceRadius[p][2] = PieceRadius[p][3] = PieceRadius[p][4] = diagonal - shorten(16, S);
    }
    for (int p : {2, 3}) {
        PieceRadius[p][1] = s / 2;
        PieceRadius[p][2] = PieceRadius[p][3] = PieceRadius[p][4] = diagonal / 2 - shorten(3, S);
    }
    for (int v = 1; v <= 4; ++v)
        PieceRadius[4][v] = s - shorten(5, S);
    PieceRadius[5][1] = PieceRadius[5][3] = halfSquareDiagonal - shorten(7, S);
    PieceRadius[5][2] = PieceRadius[5][4] = halfLongSide;
    PieceRadius[6][1] = halfSquareDiagonal;
    PieceRadius[6][2] = PieceRadius[6][3] = PieceRadius[6][4] = halfLongSide;
}
