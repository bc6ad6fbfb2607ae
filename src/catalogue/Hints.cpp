// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "ui/Platform.h"
#include "ui/Twips.h"

#include <QAction>
#include <algorithm>

namespace {
bool asked(Platform& platform, QWidget* owner, const QString& question) {
    return platform.messageBox(owner, question, Platform::Icon::Question,
                               Platform::Buttons::OkCancel) == Platform::Answer::Ok;
}
} // namespace

// Paints one random piece of the silhouette, not yet shown, in its colour.
void Form1::MnuFicha_Click() {
    const bool solutionShown = Label1[0]->backColour() == Label1[1]->backColour();
    const bool anyHidden =
        std::any_of(Command10.begin(), Command10.end(),
                    [](const ColourButton* b) { return b->backColour() == kBlack; });
    if (solutionShown || RevealedCount == 7 || !anyHidden) return;
    if (!asked(platform_, this, QStringLiteral("Quieres descubrir una ficha?"))) return;
    if (RevealedCount == 6) {
        setPreviewBackground(Label1[0]->backColour());
    }
    int r = 0;
    do
        r = int(platform_.nextRandom() * 7);
    while (Command10[r]->backColour() != kBlack);
    Command10[r]->setBackColour(PieceColour[r + 1].toUInt());
    ++RevealedCount;
}

// Shows the whole solution, or goes back to the silhouette when it is shown.
void Form1::MnuSolucion_Click() {
    if (RevealedCount == 7 || Label1[0]->backColour() == Label1[1]->backColour()) {
        showSilhouette();
        RevealedCount = 0;
        return;
    }
    if (!asked(platform_, this, QStringLiteral("Quieres ver la solución?"))) return;
    for (int p = 0; p <= 6; ++p)
        Command10[p]->setBackColour(PieceColour[p + 1].toUInt());
    setPreviewBackground(Label1[0]->backColour());
    RevealedCount = 0;
}

// Every piece back at its start place, shown and in its colour, at the
// current size.
void Form1::MnuReset_Click() {
    // A group left standing would keep its white outline over the pieces.
    if (GroupSelected) SettlePieces();
    // Off before the re-cut lets pending events run: a piece picked up meanwhile
    // takes its colour from it.
    MnuSilueta->setChecked(false);
    for (int p = 0; p <= 6; ++p) {
        Command1[p]->setBackColour(PieceColour[p + 1].toUInt());
        Command1[p]->show();
        Check2[p]->setChecked(false);
    }
    M.InitPieceTables(widthTwips(Command1[0]), heightTwips(Command1[0]));
    ComputeVertices();
}
