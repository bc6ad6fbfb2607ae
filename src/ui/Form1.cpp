// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "ui/ControlNames.h"
#include "ui/FramePacer.h"
#include "ui/Platform.h"
#include "ui/TickMenuStyle.h"
#include "ui/Twips.h"

#include <QActionGroup>
#include <QFrame>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>

namespace {

constexpr int kClientWidth = 9480;
constexpr int kClientHeight = 6795;

QFrame* makeFrame(QWidget* parent, const QRect& place) {
    auto* frame = new QFrame(parent);
    frame->setAutoFillBackground(true);
    frame->setGeometry(place);
    return frame;
}

ColourButton* makePreviewPiece(QWidget* parent, const QRect& place) {
    auto* button = new ColourButton(kBlack, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(place);
    button->hide();
    return button;
}
} // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
    setWindowTitle(QStringLiteral("Sietari 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/sietari.png")));
    buildControls();
    buildMenus();
    connectHandlers();
    nameControls(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    new FramePacer(this);
}

// Creation order is the stacking order, bottom first.
void Form1::buildControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));
    setCentralWidget(client);

    Label4 = new ColourPanel(kBlack, client);
    Label4->setGeometry(twipsRect(0, 0, 6855, 6735));
    Label1[0] = new ColourPanel(kBlack, client);
    Label1[0]->setGeometry(twipsRect(240, 240, 6495, 6495));
    Shape2 = new OutlineShape(kBrightGreen, 1, Qt::DotLine, client);
    Shape2->setGeometry(twipsRect(5880, 480, 255, 255));
    Shape2->hide();
    Shape1[0] = new OutlineShape(kBlack, 0, Qt::SolidLine, client);
    Shape1[0]->setGeometry(twipsRect(4800, 4080, 135, 135));
    Shape3 = new OutlineShape(kLightGrey, 1, Qt::SolidLine, client);
    Shape3->setGeometry(twipsRect(360, 360, 6255, 6255));

    const QPoint pieceDesign[7] = {{720, 840},   {1680, 840},  {2640, 840}, {720, 1920},
                                   {1680, 1920}, {2640, 1920}, {720, 3000}};
    for (int p = 0; p <= 6; ++p) {
        Command1[p] = new ColourButton(kPieceColours[p], client);
        // A piece left dragging after a middle release follows the pointer
        // with no button held.
        Command1[p]->setMouseTracking(true);
        Command1[p]->setGeometry(twipsRect(pieceDesign[p].x(), pieceDesign[p].y(), 840, 960));
    }

    Frame1[0] = makeFrame(client, twipsRect(-240, 0, 7095, 240));
    Frame1[1] = makeFrame(client, twipsRect(120, 6720, 6975, 135));
    Frame1[2] = makeFrame(client, twipsRect(0, 120, 240, 6615));
    Frame1[3] = makeFrame(client, twipsRect(6720, 0, 2655, 6735));

    Command1[7] = new ColourButton(kWhite, client);
    Command1[7]->setMouseTracking(true);
    Command1[7]->setGeometry(twipsRect(1680, 3000, 840, 960));
    Command1[7]->hide();

    QWidget* panel = Frame1[3];
    Label1[1] = new ColourPanel(kPreviewGreen, panel);
    Label1[1]->setGeometry(twipsRect(120, 240, 2535, 2535));
    Frame2 = new ColourPanel(kPreviewGreen, panel);
    Frame2->setGeometry(twipsRect(240, 360, 1695, 1215));
    List1 = new QListWidget(panel);
    // A plain list: no menu of scrolling commands on a right click.
    List1->verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    // One line of text each: measuring one name instead of every name keeps a
    // large catalogue from slowing the window's first showing.
    List1->setUniformItemSizes(true);
    List1->setGeometry(twipsRect(120, 3540, 2535, 3180));
    const QPoint previewDesign[7] = {{480, 600},  {960, 600},   {1440, 600}, {480, 1080},
                                     {960, 1080}, {1440, 1080}, {480, 1560}};
    for (int p = 0; p <= 6; ++p)
        Command10[p] = makePreviewPiece(
            panel, twipsRect(previewDesign[p].x(), previewDesign[p].y(), 375, 375));

    Frame4 = makeFrame(panel, twipsRect(120, 2820, 2535, 675));
    const int checkLeft[7] = {1080, 1320, 120, 600, 360, 840, 1560};
    for (int p = 0; p <= 6; ++p) {
        Check2[p] = new ColourButton(kPieceColours[p], Frame4);
        Check2[p]->setCheckable(true);
        Check2[p]->setGeometry(twipsRect(checkLeft[p], 240, 255, 255));
    }
    // Foco only takes the keyboard focus away from the figure list; it lies
    // behind "Todas" so that the caption stays readable.
    Foco = new QPushButton(Frame4);
    Foco->setGeometry(twipsRect(1920, 300, 195, 195));
    Command3 = new QPushButton(QStringLiteral("Todas"), Frame4);
    Command3->setGeometry(twipsRect(1800, 240, 615, 255));
}

void Form1::buildMenus() {
    const auto item = [](QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setShortcut(shortcut);
        return action;
    };
    const auto option = [&](QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
        QAction* action = item(menu, caption, shortcut);
        action->setCheckable(true);
        return action;
    };

    MnuGame = menuBar()->addMenu(QStringLiteral("&Juego"));
    MnuAleatoria = item(MnuGame, "&Figura Aleatoria");
    MnuGame->addSeparator();
    MnuFicha = item(MnuGame, "&Descubrir Ficha");
    MnuSolucion = item(MnuGame, "&Solución");
    MnuSolucion->setEnabled(false); // until a figure is shown
    MnuGame->addSeparator();
    MnuReset = item(MnuGame, "&Reiniciar", Qt::Key_F5);

    MnuOpciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
    MnuSilueta = option(MnuOpciones, "&Silueta", Qt::Key_F2);
    MnuOpciones->addSeparator();
    const char* sizes[4] = {"Fichas &Grandes", "Fichas &Medianas", "Fichas &pequeñas",
                            "Fichas &Diminutas"};
    auto* oneSize = new QActionGroup(MnuOpciones); // exclusive
    for (int i = 0; i < 4; ++i)
        MnuTam[i] = oneSize->addAction(option(MnuOpciones, sizes[i]));
    // A menu draws an exclusive group as radio buttons; the sizes keep their ticks.
    MnuOpciones->setStyle(new TickMenuStyle(MnuOpciones));
    MnuTam[0]->setChecked(true);
    MnuOpciones->addSeparator();
    MnuPunto = item(MnuOpciones, "Guardar P&osición", Qt::Key_F3);
    MnuCarPos = item(MnuOpciones, "&Cargar Posición", Qt::Key_F4);
    MnuCarPos->setEnabled(false); // until a position is stored
    MnuOpciones->addSeparator();
    MnuEdit = option(MnuOpciones, "&Editar", Qt::Key_F6);
    MnuGuardar = item(MnuOpciones, "Guardar &Figura", Qt::Key_F7);

    MnuHelp = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    MnuComo = item(MnuHelp, "&Como Jugar", Qt::Key_F1);
    MnuAbout = item(MnuHelp, "&Acerca de...");
}
