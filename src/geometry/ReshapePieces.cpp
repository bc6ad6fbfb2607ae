// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "geometry/PolarGeometry.h"
#include "model/Numbers.h"

#include <QCoreApplication>

void Form1::ReshapePieces() {
    const int count = ReshapeCount;
    for (int k = 1; k <= count && k < int(ReshapeList.size()); ++k)
        cutPiece(ReshapeList[k]);
    // Let what is pending run, also in the middle of a drag: the new outlines
    // show with the window's next paint, at most one a frame.
    QCoreApplication::processEvents();
}

void Form1::cutPiece(int p) {
    M.RegionPoints.assign(4, RegionPoint{});
    for (int v = 1; v <= 4; ++v)
        M.RegionPoints[v - 1] = {floorToInt(M.PieceVertex[p][v][1]),
                                 floorToInt(M.PieceVertex[p][v][2])};
    M.BuildPieceRegion(Command1[p]);
    moveMarker(M.PieceVertex[p][1][1], M.PieceVertex[p][1][2]);
    if (M.EditMode && p <= 6) mirrorIntoPreview(p);
}

// The marker follows the last point cut, half its size to the right and down.
void Form1::moveMarker(double x, double y) {
    const float half = float(Shape1[0]->height() * kTwipsPerPixel) / 2;
    const float left = float(x * kTwipsPerPixel) + half;
    const float top = float(y * kTwipsPerPixel) + half;
    Shape1[0]->move(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel));
}

// In the editor the preview box shows the board, scaled down, as it would be saved.
void Form1::mirrorIntoPreview(int p) {
    M.RegionPoints.assign(4, RegionPoint{});
    for (int v = 1; v <= 4; ++v) {
        for (int c = 1; c <= 2; ++c)
            VertexCopy[p][v][c] =
                toPreviewCoordinate(M.PieceVertex[p][v][c], M.PieceSize, PreviewSize);
        M.RegionPoints[v - 1] = {roundHalfEven(VertexCopy[p][v][1]),
                                 roundHalfEven(VertexCopy[p][v][2])};
    }
    M.BuildPieceRegion(Command10[p]);
    Command10[p]->show();
    Command10[p]->raise();
}
