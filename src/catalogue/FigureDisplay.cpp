// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "catalogue/CatalogueFile.h"
#include "model/Numbers.h"
#include "ui/Platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QListWidget>
#include <algorithm>

// Selecting by code shows the figure even when its entry is selected already;
// a new entry shows its figure through the list's currentRowChanged.
void Form1::selectFigure(int row) {
    const int before = List1->currentRow();
    List1->setCurrentRow(row);
    if (List1->currentRow() == before) List1_Click();
}

// A browsing key shows the name it leads to as a click on that name would; a
// page is the names the list shows at once. Not while a mouse button is held,
// nor while the editor keeps the list disabled; a key that leads nowhere new
// (Up on the first name, End on the last) leaves the revealed hints alone.
void Form1::browseFigures(int key) {
    const int last = List1->count() - 1;
    if (!List1->isEnabled() || last < 0 || QGuiApplication::mouseButtons() != Qt::NoButton) return;
    const int row = List1->currentRow();
    const int page =
        std::max(1, List1->viewport()->height() / std::max(1, List1->sizeHintForRow(0)));
    const QMap<int, int> target{
        {Qt::Key_Up, row - 1},          {Qt::Key_Down, row + 1}, {Qt::Key_PageUp, row - page},
        {Qt::Key_PageDown, row + page}, {Qt::Key_Home, 0},       {Qt::Key_End, last}};
    const int to = std::clamp(target.value(key, row), 0, last);
    if (to != row) selectFigure(to);
}

// Shows the highlighted entry's record, found through the row's index: a
// click costs the same in a catalogue of any size. A quick player's next click
// may be handled while the pieces are being cut; it waits for the cut to end,
// then the figure then highlighted is shown whole, not one cut over another.
void Form1::List1_Click() {
    if (ShowingFigure) {
        FigureAskedMeanwhile = true;
        return;
    }
    ShowingFigure = true;
    do {
        FigureAskedMeanwhile = false;
        showSilhouette();
        const int row = List1->currentRow();
        if (row >= 0 && size_t(row) < RowRecord.size()) FigureIndex = RowRecord[size_t(row)];
        ShowFigure();
        RevealedCount = 0;
    } while (FigureAskedMeanwhile);
    ShowingFigure = false;
}

void Form1::showSilhouette() {
    setPreviewBackground(kPreviewGreen);
    for (ColourButton* piece : Command10)
        piece->setBackColour(kBlack);
}

// The green square and the frame inside it always share one colour.
void Form1::setPreviewBackground(BgrColour colour) {
    Frame2->setBackColour(colour);
    Label1[1]->setBackColour(colour);
}

// Cuts the seven black preview buttons to the figure's pieces, behind the
// green frame while they change.
void Form1::ShowFigure() {
    int k = FigureIndex + 1;
    Frame2->raise();
    for (int p = 0; p <= 6; ++p) {
        QCoreApplication::processEvents();
        M.RegionPoints.assign(4, RegionPoint{});
        double x = 0;
        double y = 0;
        for (int v = 1; v <= 4; ++v) {
            x = readLeadingNumber(figureField(k));
            y = readLeadingNumber(figureField(k + 1));
            M.RegionPoints[v - 1] = {roundHalfEven(x), roundHalfEven(y)};
            k += 2;
        }
        M.BuildPieceRegion(Command10[p]);
        moveMarker(x, y);
    }
    for (ColourButton* piece : Command10)
        piece->show();
    sendPreviewFrameBack();
    MnuSolucion->setEnabled(true);
}

// The frame goes behind the preview pieces but stays above the green square,
// whose uncovered rim alone starts a selection band.
void Form1::sendPreviewFrameBack() {
    const QObjectList& controls = Frame2->parentWidget()->children();
    const int square = int(controls.indexOf(Label1[1]));
    for (int i = square + 1; i < controls.size(); ++i) {
        auto* above = qobject_cast<QWidget*>(controls[i]);
        if (above && above != Frame2) {
            Frame2->stackUnder(above);
            return;
        }
    }
}

// The list never keeps the keyboard focus: figures are chosen with the mouse.
void Form1::List1_GotFocus() {
    Foco->setFocus();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::FocusIn) List1_GotFocus();
    return QMainWindow::eventFilter(watched, event);
}

// Every figure once, in random order, before any comes again.
void Form1::MnuAleatoria_Click() {
    const int F = List1->count();
    if (F == 0) {
        platform_.messageBox(this, QStringLiteral("No hay ninguna figura."),
                             Platform::Icon::Exclamation, Platform::Buttons::Ok);
        return;
    }
    if (FigureOrderPos >= F || int(FigureOrder.size()) != F + 1) {
        FigureOrder.assign(F + 1, 0);
        FigureOrderPos = 0;
    }
    int r = 0;
    do
        r = int(platform_.nextRandom() * F) + 1;
    while (FigureOrder[r] == 1);
    // The count is kept before the figure shows: a second request run while it
    // shows must find an unused figure or start a new round.
    FigureOrder[r] = 1;
    ++FigureOrderPos;
    selectFigure(r - 1);
}
