// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include <QAction>

// A ticked box puts its piece away; unticking brings it back in front of the
// other pieces, still under the border bars.
void Form1::Check2_Click(int Index) {
    if (Check2[Index]->isChecked()) {
        Command1[Index]->hide();
        return;
    }
    Command1[Index]->show();
    bringToFrontUnderBars(Command1[Index]);
}

// A group's members stay as they are: shown, they would lie under its outline.
void Form1::Command3_Click() {
    for (int p = 0; p <= 6; ++p) {
        if (inGroup(p)) continue;
        Command1[p]->show();
        Check2[p]->setChecked(false);
    }
}

// Runs after the menu has toggled its check mark: paint what it now says.
// Group members stay white; settling gives them the right colour later.
void Form1::MnuSilueta_Click() {
    for (int p = 0; p <= 6; ++p)
        if (Command1[p]->backColour() != kWhite) Command1[p]->setBackColour(boardColour(p));
}
