// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class QRect;
class QWidget;

// One corner of a polygon handed to the window system, in pixels of the window.
struct RegionPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The program-wide piece tables and values. Row 7 of every table holds no
// piece, and index 0 of the vertex and coordinate dimensions stays empty, so
// that every formula reads with the indexes the game's geometry is written in.
struct Module1 {
    double PieceAngle[8][5] = {};     // degrees, counter-clockwise, never normalised
    double PieceRadius[8][5] = {};    // twips
    double PieceCentre[8][3] = {};    // twips, inside the piece button
    int16_t PieceOffset[8][3] = {};   // pixels, folded into the centre once
    double PieceVertex[8][5][3] = {}; // pixels, inside the piece button
    std::vector<RegionPoint> RegionPoints;

    int16_t PieceSize = 0; // the size unit S in twips
    double SlopeAngle2 = 0;
    double SlopeAngle3 = 0;
    bool Dragging = false;
    float DragLastX = 0;
    float DragLastY = 0;
    bool EditMode = false;
    QString AppFolder; // always ends in a separator

    // Start layout of pieces 0 to 6 for the current PieceSize, centred in a
    // piece button of the given size (twips).
    void InitPieceTables(double buttonWidth, double buttonHeight);

    // Cuts the window to the polygon in RegionPoints (even-odd rule).
    void BuildPieceRegion(QWidget* window) const;
};

// Has the opaque widgets below `window` paint `changed` (pixels of the window)
// again: a new mask uncovers pixels that Qt leaves to no one over an opaque board.
void repaintUncovered(QWidget* window, const QRect& changed);
