// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The game's value of pi; it is not the exact one, and every turn and vertex
// is computed with it so that saved figures and turns agree to the last bit.
constexpr double kGamePi = 3.14159265359793;

inline double degreesToRadians(double degrees) {
    return degrees * kGamePi / 180;
}

struct PixelPoint {
    double x = 0;
    double y = 0;
};

// Vertex at `angle` degrees (counter-clockwise) and `radius` twips around a
// centre in twips, as pixels of the piece button (screen y grows downwards).
PixelPoint polarToPixel(double angle, double radius, double centreX, double centreY);

// A board vertex as the editor keeps it for the preview box: the whole pixel
// it is drawn on, scaled by previewSize / pieceSize and rounded to the two
// decimals it is saved with.
double toPreviewCoordinate(double boardPixel, int16_t pieceSize, int16_t previewSize);

// The radius of every vertex of pieces 0 to 6 for the size unit S (twips).
void ComputePieceRadii(int16_t S, double PieceRadius[8][5]);
