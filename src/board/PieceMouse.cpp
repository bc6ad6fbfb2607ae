// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "geometry/PolarGeometry.h"
#include "model/Numbers.h"

#include <QCoreApplication>
#include <QFrame>

#include <algorithm>

namespace {
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kShiftAlone = 1;
constexpr int kKeyH = 'H';
constexpr int kKeyV = 'V';
constexpr int kParallelogram = 5;
} // namespace

void Form1::Command1_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    if (Button == kRightButton)
        turnOrMirror(Index, Shift);
    else
        pickUp(Index, Shift, X, Y);
}

// A right press turns a piece by 45 degrees, or mirrors the parallelogram
// while the left button holds it.
void Form1::turnOrMirror(int Index, int Shift) {
    if (GroupSelected) {
        if (Command1[Index]->backColour() == kWhite) return; // a group cannot be turned
        SettlePieces();
        if (GroupSelected) return; // a band finished meanwhile made a new one
    }
    const double s = Shift != 0 ? -45 : 45;
    if (PieceHeld && Index == kParallelogram) {
        // The turn below adds s again, so every angle ends as 180 - angle.
        double(&angle)[5] = M.PieceAngle[kParallelogram];
        double(&radius)[5] = M.PieceRadius[kParallelogram];
        std::swap(radius[1], radius[3]);
        angle[1] = 180 - angle[1] - s;
        angle[4] = 180 - angle[4] - s;
        std::swap(radius[2], radius[4]);
        angle[3] = 180 - angle[3] - s;
        angle[2] = 180 - angle[2] - s;
        M.Dragging = false;
    }
    bringToFrontUnderBars(Command1[Index]);
    if (M.Dragging) return;
    for (int v = 1; v <= 4; ++v) {
        M.PieceAngle[Index][v] += s;
        if (M.PieceAngle[Index][v] < 0) M.PieceAngle[Index][v] += 360; // never reduced from above
        const PixelPoint vertex = polarToPixel(M.PieceAngle[Index][v], M.PieceRadius[Index][v],
                                               M.PieceCentre[Index][1], M.PieceCentre[Index][2]);
        M.PieceVertex[Index][v][1] = vertex.x;
        M.PieceVertex[Index][v][2] = vertex.y;
    }
    reshapeOne(Index);
    if (!GroupSelected) SettlePieces();
}

// Any other press picks a piece (or the group) up; Shift alone sends it back.
void Form1::pickUp(int Index, int Shift, float X, float Y) {
    if (Command1[Index]->backColour() != kWhite) {
        if (GroupSelected) {
            SettlePieces();
            if (GroupSelected) return; // a band finished meanwhile made a new one
        }
        ReshapeList.assign(2, 0);
        ReshapeList[1] = int16_t(Index);
        ReshapeCount = 1;
        colourPieces();
    }
    PieceHeld = true;
    if (Shift == kShiftAlone) {
        sendPieceToBack(Command1[Index]);
        return;
    }
    bringToFrontUnderBars(Command1[Index]);
    M.Dragging = true;
    M.DragLastX = X;
    M.DragLastY = Y;
    PressPoint[1] = roundHalfEven(X);
    PressPoint[2] = roundHalfEven(Y);
}

void Form1::Command1_MouseMove(int, int, int, float X, float Y) {
    if (!M.Dragging || (X == M.DragLastX && Y == M.DragLastY)) return;
    float dx = 0;
    float dy = 0;
    // A blocked axis keeps its last position, so it catches up once released.
    if (MoveXAllowed) {
        dx = X - M.DragLastX;
        M.DragLastX = X;
    }
    if (MoveYAllowed) {
        dy = Y - M.DragLastY;
        M.DragLastY = Y;
    }
    if (GroupSelected) {
        moveGroupOutline(dx, dy);
        return;
    }
    if (ReshapeList.size() < 2) return;
    shiftPiece(ReshapeList[1], dx, dy);
    ReshapePieces();
}

// During a drag only the white outline moves, by whole pixels; the members
// follow by the exact displacement when the button is released.
void Form1::moveGroupOutline(float dx, float dy) {
    // A handler run in the middle may have re-made the group: never read
    // past the outline that exists.
    const int n = std::min<int>(ReshapeCount * 7, int(GroupPoints.size()) - 1);
    M.RegionPoints.assign(std::max(n, 0), RegionPoint{});
    for (int m = 1; m <= n; ++m) {
        GroupPoints[m][1] = roundHalfEven(dx / 15.0f + GroupPoints[m][1]);
        GroupPoints[m][2] = roundHalfEven(dy / 15.0f + GroupPoints[m][2]);
        M.RegionPoints[m - 1] = {GroupPoints[m][1], GroupPoints[m][2]};
    }
    M.BuildPieceRegion(Command1[7]);
    if (n >= 1) moveMarker(GroupPoints[1][1], GroupPoints[1][2]);
    QCoreApplication::processEvents();
}

void Form1::Command1_MouseUp(int, int Button, int, float X, float Y) {
    ReleasePoint[1] = roundHalfEven(X);
    ReleasePoint[2] = roundHalfEven(Y);
    if (Button != kLeftButton) return;
    PieceHeld = false;
    if (!M.Dragging) return;
    M.Dragging = false;
    if (GroupSelected)
        moveGroupMembers();
    else
        SettlePieces();
}

void Form1::moveGroupMembers() {
    const int32_t ex = ReleasePoint[1] - PressPoint[1];
    const int32_t ey = ReleasePoint[2] - PressPoint[2];
    for (int k = 1; k <= ReshapeCount && k < int(ReshapeList.size()); ++k)
        shiftPiece(ReshapeList[k], ex, ey);
    ReshapePieces();
}

// Moves a piece's tables by a distance in twips; the caller re-cuts it.
void Form1::shiftPiece(int p, double dx, double dy) {
    for (int v = 1; v <= 4; ++v) {
        M.PieceVertex[p][v][1] += dx / kTwipsPerPixel;
        M.PieceVertex[p][v][2] += dy / kTwipsPerPixel;
    }
    M.PieceCentre[p][1] += dx;
    M.PieceCentre[p][2] += dy;
}

void Form1::Command1_KeyDown(int, int KeyCode, int) {
    if (KeyCode == kKeyH)
        MoveYAllowed = false;
    else if (KeyCode == kKeyV)
        MoveXAllowed = false;
}

void Form1::Command1_KeyUp(int, int KeyCode, int) {
    if (KeyCode == kKeyH)
        MoveYAllowed = true;
    else if (KeyCode == kKeyV)
        MoveXAllowed = true;
}

// The border bars and the side panel stay above a piece brought forward, so
// whatever hangs over the board's edge is hidden under them.
void Form1::bringToFrontUnderBars(QWidget* control) {
    control->raise();
    for (QFrame* bar : Frame1)
        bar->raise();
}

// Behind every other piece, but still above the board.
void Form1::sendPieceToBack(QWidget* piece) {
    for (QObject* child : piece->parentWidget()->children()) {
        auto* lowest = qobject_cast<ColourButton*>(child);
        if (lowest && lowest != piece &&
            std::find(Command1.begin(), Command1.end(), lowest) != Command1.end()) {
            piece->stackUnder(lowest);
            return;
        }
    }
}

void Form1::reshapeOne(int p) {
    ReshapeList.assign(2, 0);
    ReshapeList[1] = int16_t(p);
    ReshapeCount = 1;
    ReshapePieces();
}
