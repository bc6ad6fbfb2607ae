// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "ui/Platform.h"
#include "ui/Twips.h"

#include <QDir>

namespace {
// The same rectangle grown (or shrunk, for a negative margin) on every side.
QRect around(const QWidget* control, int marginTwips) {
    return twipsRect(leftTwips(control) - marginTwips, topTwips(control) - marginTwips,
                     widthTwips(control) + 2 * marginTwips, heightTwips(control) + 2 * marginTwips);
}
} // namespace

bool Form1::Form_Load() {
    M.AppFolder = platform_.programFolder();
    if (!M.AppFolder.endsWith(QLatin1Char('/'))) M.AppFolder += QLatin1Char('/');
    M.EditMode = false;
    RevealedCount = 0;
    platform_.seedRandomFromClock();
    if (!LoadCatalogue()) return false;

    PieceHeld = false;
    Selecting = false;
    MoveXAllowed = true;
    MoveYAllowed = true;
    M.SlopeAngle2 = 63.4349488;
    M.SlopeAngle3 = 71.56505117708;
    for (int i = 1; i <= 7; ++i)
        PieceColour[i] = QString::number(Command1[i - 1]->backColour());
    // The marker is never seen; hidden, it moves without a repaint.
    Shape1[0]->setBorder(kBlack, 0);
    Shape1[0]->hide();
    M.PieceSize = 700;
    PreviewSize = 275;
    GroupSelected = false;

    layOverBoardAndPreview();
    M.InitPieceTables(widthTwips(Command1[0]), heightTwips(Command1[0]));
    ComputeVertices();

    selectFigure(0);               // the figure whose name sorts first
    MnuGuardar->setEnabled(false); // only the editor saves figures
    MnuAbout_Click();              // the main window waits for the about window to close
    return true;
}

// The piece buttons cover the board and a 120-twip rim so a piece can hang
// over its edge; the preview buttons cover the green preview area.
void Form1::layOverBoardAndPreview() {
    Frame2->setGeometry(around(Label1[1], -50));
    Frame2->raise();
    for (ColourButton* button : Command1)
        button->setGeometry(around(Label1[0], 120));
    for (ColourButton* button : Command10)
        button->setGeometry(around(Label1[1], -30));
}
