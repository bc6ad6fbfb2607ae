#include "ui/Form1.h"

#include "ui/InputForwarder.h"

#include <QAction>
#include <QListWidget>

// Every control hands its events to the window's handler for it, with the
// index of the control in its array.
void Form1::connectHandlers() {
    for (int i = 0; i < int(Command1.size()); ++i) {
        auto* input = new InputForwarder(Command1[i]);
        connect(input, &InputForwarder::mouseDown, this,
                [this, i](int b, int s, float x, float y) { Command1_MouseDown(i, b, s, x, y); });
        connect(input, &InputForwarder::mouseMove, this,
                [this, i](int b, int s, float x, float y) { Command1_MouseMove(i, b, s, x, y); });
        connect(input, &InputForwarder::mouseUp, this,
                [this, i](int b, int s, float x, float y) { Command1_MouseUp(i, b, s, x, y); });
        connect(input, &InputForwarder::keyDown, this,
                [this, i](int key, int s) { Command1_KeyDown(i, key, s); });
        connect(input, &InputForwarder::keyUp, this,
                [this, i](int key, int s) { Command1_KeyUp(i, key, s); });
    }
    for (int i = 0; i < int(Label1.size()); ++i) {
        auto* input = new InputForwarder(Label1[i]);
        connect(input, &InputForwarder::mouseDown, this,
                [this, i](int b, int s, float x, float y) { Label1_MouseDown(i, b, s, x, y); });
        connect(input, &InputForwarder::mouseMove, this,
                [this, i](int b, int s, float x, float y) { Label1_MouseMove(i, b, s, x, y); });
        connect(input, &InputForwarder::mouseUp, this,
                [this, i](int b, int s, float x, float y) { Label1_MouseUp(i, b, s, x, y); });
    }
    // toggled fires on every change, by the player or by code, and never
    // when a box is set to the state it already has.
    for (int i = 0; i < int(Check2.size()); ++i)
        connect(Check2[i], &QPushButton::toggled, this, [this, i] { Check2_Click(i); });
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(MnuSilueta, &QAction::triggered, this, &Form1::MnuSilueta_Click);
    for (int i = 0; i < int(MnuTam.size()); ++i)
        connect(MnuTam[i], &QAction::triggered, this, [this, i] { MnuTam_Click(i); });

    // itemClicked fires on every click, also on the name already selected.
    connect(List1, &QListWidget::itemClicked, this, &Form1::List1_Click);
    List1->installEventFilter(this);
    connect(MnuAleatoria, &QAction::triggered, this, &Form1::MnuAleatoria_Click);
    connect(MnuFicha, &QAction::triggered, this, &Form1::MnuFicha_Click);
    connect(MnuSolucion, &QAction::triggered, this, &Form1::MnuSolucion_Click);
    connect(MnuReset, &QAction::triggered, this, &Form1::MnuReset_Click);
}
