// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"
#include "model/Module1.h"
#include "ui/Widgets.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

struct GameFolders;
class InputForwarder;
class Platform;
class QAction;
class QFrame;
class QListWidget;
class QMenu;

// The main window. Its member functions live in the folder of the subsystem
// they belong to: the window's design and start-up here in ui/, geometry in
// geometry/, piece handling and the board in board/, figures in catalogue/.
class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);

    // Start-up; false when the program must end without showing the window.
    bool Form_Load();

    // ---- State: the piece tables and the window's own fields -------------
    Module1 M;
    QString PieceColour[8]; // (p + 1): colour of piece p as decimal text
    bool PieceHeld = false;
    bool Selecting = false;
    int32_t SelAnchor[3] = {};
    int32_t PressPoint[3] = {};
    int32_t ReleasePoint[3] = {};
    std::vector<int16_t> ReshapeList; // entries 1 to ReshapeCount
    int16_t ReshapeCount = 0;
    bool MoveXAllowed = false;
    bool MoveYAllowed = false;
    bool GroupSelected = false;
    std::vector<std::array<int32_t, 3>> GroupPoints; // (m, 1) = x, (m, 2) = y
    double SavedCentre[8][3] = {};
    double SavedRadius[8][5] = {};
    double SavedAngle[8][5] = {};
    double SavedVertex[8][5][3] = {}; // the stored position's own corners (pixels)
    double VertexCopy[8][5][3] = {};  // the editor's figure, in preview pixels
    bool SavedVisible[8] = {};
    int32_t FigureIndex = 0;
    int16_t PreviewSize = 0;
    std::vector<int16_t> FigureOrder; // entries 1 to F
    int32_t FigureOrderPos = 0;       // past 32,767 figures too
    int16_t RevealedCount = 0;
    bool ShowingFigure = false; // cutting the preview lets pending events run
    bool FigureAskedMeanwhile = false;

    // ---- Controls, in the window's design --------------------------------
    ColourPanel* Label4 = nullptr;
    std::array<ColourPanel*, 2> Label1{}; // 0 the board, 1 the preview area
    OutlineShape* Shape3 = nullptr;
    OutlineShape* Shape2 = nullptr;
    std::array<OutlineShape*, 1> Shape1{};
    std::array<ColourButton*, 8> Command1{}; // 0-6 pieces, 7 the group button
    std::array<QFrame*, 4> Frame1{};         // bars: top, bottom, left; 3 the side panel
    ColourPanel* Frame2 = nullptr;
    std::array<ColourButton*, 7> Command10{}; // preview pieces
    QFrame* Frame4 = nullptr;
    std::array<ColourButton*, 7> Check2{};
    QPushButton* Command3 = nullptr;
    QPushButton* Foco = nullptr;
    QListWidget* List1 = nullptr;
    CatalogueFields List2;          // every field of the catalogue, in file order; never shown
    std::vector<int32_t> RowRecord; // List1 row -> position of its record's name in List2
    QString CatalogueFile;          // the shipped catalogue List2 was read from; empty if none

    QMenu* MnuGame = nullptr;
    QAction* MnuAleatoria = nullptr;
    QAction* MnuFicha = nullptr;
    QAction* MnuSolucion = nullptr;
    QAction* MnuReset = nullptr;
    QMenu* MnuOpciones = nullptr;
    QAction* MnuSilueta = nullptr;
    std::array<QAction*, 4> MnuTam{};
    QAction* MnuPunto = nullptr;
    QAction* MnuCarPos = nullptr;
    QAction* MnuEdit = nullptr;
    QAction* MnuGuardar = nullptr;
    QMenu* MnuHelp = nullptr;
    QAction* MnuComo = nullptr;
    QAction* MnuAbout = nullptr;

    // ---- Geometry (geometry/) --------------------------------------------
    void ComputeVertices();
    void ReshapePieces();
    void moveMarker(double x, double y);
    void mirrorIntoPreview(int p);
    void MnuTam_Click(int Index);

    // ---- Piece handling and the board (board/) ----------------------------
    void Command1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Command1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Command1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Command1_KeyDown(int Index, int KeyCode, int Shift);
    void Command1_KeyUp(int Index, int KeyCode, int Shift);
    void SettlePieces();
    void Label1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Check2_Click(int Index);
    void Command3_Click();
    void MnuSilueta_Click();

    // ---- Figures, hints and reset (catalogue/) ---------------------------
    bool LoadCatalogue();
    void List1_Click();
    void List1_GotFocus();
    void ShowFigure();
    void MnuAleatoria_Click();
    void MnuFicha_Click();
    void MnuSolucion_Click();
    void MnuReset_Click();
    void selectFigure(int row);
    void browseFigures(int key);
    void MnuPunto_Click();
    void MnuCarPos_Click();
    void MnuEdit_Click();
    void MnuGuardar_Click();

    // ---- Help and about (ui/) ----------------------------------------------
    void MnuComo_Click();
    void MnuAbout_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void connectWindowKeys();
    using MouseHandler = void (Form1::*)(int, int, int, float, float);
    InputForwarder* forwardMouse(QWidget* control, int index, MouseHandler down, MouseHandler move,
                                 MouseHandler up);
    void layOverBoardAndPreview();

    void turnOrMirror(int Index, int Shift);
    void pickUp(int Index, int Shift, float X, float Y);
    void moveGroupOutline(float dx, float dy);
    void moveGroupMembers();
    void shiftPiece(int p, double dx, double dy);
    void bringToFrontUnderBars(QWidget* control);
    void sendPieceToBack(QWidget* piece);
    void colourPieces();
    BgrColour boardColour(int p) const;
    void reshapeOne(int p);
    int countVerticesOffBoard(int p) const;
    void bringBackToMiddle(int p);
    void makeGroup(const std::vector<int16_t>& members);
    bool inGroup(int p) const;
    void cutPiece(int p);
    void showSilhouette();
    void setPreviewBackground(BgrColour colour);
    void sendPreviewFrameBack();
    QString figureField(int position) const;
    void readPlayersFigures(const QString& path);
    void listNames();
    GameFolders gameFolders() const;
    void switchEditorOn();
    void leaveEditor();
    void markEditorFrame(bool on);
    QString askFigureName();

    Platform& platform_;
};
