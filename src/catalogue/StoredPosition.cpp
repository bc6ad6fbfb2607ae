// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include <QAction>
#include <cstring>

// One arrangement kept in memory: where every piece lies, how it is turned and
// whether it is on the board. The size menu is not part of it.
void Form1::MnuPunto_Click() {
    MnuCarPos->setEnabled(true);
    std::memcpy(SavedCentre, M.PieceCentre, sizeof SavedCentre);
    std::memcpy(SavedRadius, M.PieceRadius, sizeof SavedRadius);
    std::memcpy(SavedAngle, M.PieceAngle, sizeof SavedAngle);
    std::memcpy(SavedVertex, M.PieceVertex, sizeof SavedVertex);
    // The box, not the button: the members of a group are hidden while the
    // group outline stands for them, yet they lie on the board.
    for (int p = 0; p <= 6; ++p)
        SavedVisible[p] = !Check2[p]->isChecked();
}

void Form1::MnuCarPos_Click() {
    // A standing group would keep white members under its outline.
    if (GroupSelected) SettlePieces();
    std::memcpy(M.PieceCentre, SavedCentre, sizeof SavedCentre);
    std::memcpy(M.PieceRadius, SavedRadius, sizeof SavedRadius);
    std::memcpy(M.PieceAngle, SavedAngle, sizeof SavedAngle);
    std::memcpy(M.PieceVertex, SavedVertex, sizeof SavedVertex);
    ReshapeList.assign(8, 0);
    ReshapeCount = 7;
    for (int p = 0; p <= 6; ++p) {
        ReshapeList[p] = int16_t(p);
        Command1[p]->setVisible(SavedVisible[p]);
        Check2[p]->setChecked(!SavedVisible[p]);
    }
    // Entries 1 to 7 hold the pieces 1 to 6, then 0: piece 0 is cut last.
    ReshapePieces();
    // A position stored in the middle of a drag may hold a piece off the board:
    // it is put away, as a drop there would.
    SettlePieces();
}
