// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "model/Numbers.h"
#include "ui/Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <algorithm>

namespace {
// The board's inner rectangle lies 120 twips in from each edge.
constexpr int kInnerMargin = 120;
} // namespace

// Ends any group, shows and colours every piece that is not put away, and
// brings a piece dropped off the board back to the middle of the board.
void Form1::SettlePieces() {
    for (ColourButton* box : Check2)
        box->setEnabled(true);
    Command1[7]->hide();
    GroupSelected = false;
    for (int p = 0; p <= 6; ++p) {
        // A band released while a piece was coming back may have made a new
        // group: its members stay white and hidden.
        if (inGroup(p)) continue;
        if (!Check2[p]->isChecked()) Command1[p]->show();
        Command1[p]->setBackColour(boardColour(p));
        // A piece put away while it hung off the board goes to the middle as well.
        if (countVerticesOffBoard(p) == 4) bringBackToMiddle(p);
    }
}

bool Form1::inGroup(int p) const {
    const int n = std::min<int>(ReshapeCount, int(ReshapeList.size()) - 1);
    return GroupSelected &&
           std::count(ReshapeList.begin() + 1, ReshapeList.begin() + 1 + std::max(n, 0), p) > 0;
}

int Form1::countVerticesOffBoard(int p) const {
    const QWidget* board = Label1[0];
    const float left = float(leftTwips(board) + kInnerMargin);
    const float right = float(leftTwips(board) + widthTwips(board) - kInnerMargin);
    const float top = float(topTwips(board) + kInnerMargin);
    const float bottom = float(topTwips(board) + heightTwips(board) - kInnerMargin);
    int outside = 0;
    for (int v = 1; v <= 4; ++v) {
        const float x = float(M.PieceVertex[p][v][1] * 15 + leftTwips(Command1[p]));
        const float y = float(M.PieceVertex[p][v][2] * 15 + topTwips(Command1[p]));
        if (x < left || x > right || y < top || y > bottom) ++outside;
    }
    return outside;
}

// The piece keeps its turn and flip; outside the editor it is put away.
void Form1::bringBackToMiddle(int p) {
    const int32_t dx = roundHalfEven(M.PieceCentre[p][1] - widthTwips(Command1[p]) / 2.0);
    const int32_t dy = roundHalfEven(M.PieceCentre[p][2] - heightTwips(Command1[p]) / 2.0);
    M.PieceCentre[p][1] = widthTwips(Command1[p]) / 2.0;
    M.PieceCentre[p][2] = heightTwips(Command1[p]) / 2.0;
    for (int v = 1; v <= 4; ++v) {
        M.PieceVertex[p][v][1] -= dx / 15.0;
        M.PieceVertex[p][v][2] -= dy / 15.0;
    }
    if (!M.EditMode) Command1[p]->hide();
    // Cut without touching ReshapeList, which may hold a group made meanwhile.
    cutPiece(p);
    if (!M.EditMode) {
        Check2[p]->setChecked(true);
        Command1[p]->hide();
    }
    QCoreApplication::processEvents();
}

// Pressing a piece gives every piece its colour back (or the silhouette grey).
void Form1::colourPieces() {
    for (int k = 0; k <= 6; ++k)
        Command1[k]->setBackColour(boardColour(k));
}

BgrColour Form1::boardColour(int p) const {
    return MnuSilueta->isChecked() ? kGrey : PieceColour[p + 1].toUInt();
}
