// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "ui/InputForwarder.h"

#include <QAction>
#include <QListWidget>
#include <QShortcut>

// Every control hands its events to the window's handler for it, with the
// index of the control in its array.
void Form1::connectHandlers() {
    for (int i = 0; i < int(Command1.size()); ++i) {
        InputForwarder* input = forwardMouse(Command1[i], i, &Form1::Command1_MouseDown,
                                             &Form1::Command1_MouseMove, &Form1::Command1_MouseUp);
        connect(input, &InputForwarder::keyDown, this,
                [this, i](int key, int s) { Command1_KeyDown(i, key, s); });
        connect(input, &InputForwarder::keyUp, this,
                [this, i](int key, int s) { Command1_KeyUp(i, key, s); });
    }
    for (int i = 0; i < int(Label1.size()); ++i)
        forwardMouse(Label1[i], i, &Form1::Label1_MouseDown, &Form1::Label1_MouseMove,
                     &Form1::Label1_MouseUp);
    // toggled fires on every change, by the player or by code, and never
    // when a box is set to the state it already has.
    for (int i = 0; i < int(Check2.size()); ++i)
        connect(Check2[i], &QPushButton::toggled, this, [this, i] { Check2_Click(i); });
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(MnuSilueta, &QAction::triggered, this, &Form1::MnuSilueta_Click);
    for (int i = 0; i < int(MnuTam.size()); ++i)
        connect(MnuTam[i], &QAction::triggered, this, [this, i] { MnuTam_Click(i); });

    // The shown figure is always the highlighted one: a highlight moved by any
    // button, by Ctrl or by sliding from one name to another shows its figure,
    // a click on the shown name shows it afresh (itemClicked fires on every
    // click), and the highlight never goes away while there are names. A press
    // highlights its name only after the figure is shown, when a click on
    // another name may have been handled meanwhile: the highlight, where the
    // player last pressed, then decides which figure shows.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) List1_Click();
    });
    connect(List1, &QListWidget::itemClicked, this, &Form1::List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> highlighted = List1->selectedItems();
        if (highlighted.isEmpty() && List1->currentItem())
            List1->currentItem()->setSelected(true);
        else if (!highlighted.isEmpty() && highlighted.front() != List1->currentItem())
            List1->setCurrentItem(highlighted.front());
    });
    List1->installEventFilter(this);
    connect(MnuAleatoria, &QAction::triggered, this, &Form1::MnuAleatoria_Click);
    connect(MnuFicha, &QAction::triggered, this, &Form1::MnuFicha_Click);
    connect(MnuSolucion, &QAction::triggered, this, &Form1::MnuSolucion_Click);
    connect(MnuReset, &QAction::triggered, this, &Form1::MnuReset_Click);
    connect(MnuPunto, &QAction::triggered, this, &Form1::MnuPunto_Click);
    connect(MnuCarPos, &QAction::triggered, this, &Form1::MnuCarPos_Click);
    connect(MnuEdit, &QAction::triggered, this, &Form1::MnuEdit_Click);
    connect(MnuGuardar, &QAction::triggered, this, &Form1::MnuGuardar_Click);
    connect(MnuComo, &QAction::triggered, this, &Form1::MnuComo_Click);
    connect(MnuAbout, &QAction::triggered, this, &Form1::MnuAbout_Click);
    connectWindowKeys();
}

// Keys of the whole window, whichever control holds the focus: Ctrl+Q ends the
// game as closing the window does, and the browsing keys move through the
// figure list, which never takes the focus itself.
void Form1::connectWindowKeys() {
    connect(new QShortcut(Qt::CTRL | Qt::Key_Q, this), &QShortcut::activated, this,
            &QWidget::close);
    for (const int key :
         {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this, key] { browseFigures(key); });
}

InputForwarder* Form1::forwardMouse(QWidget* control, int index, MouseHandler down,
                                    MouseHandler move, MouseHandler up) {
    auto* input = new InputForwarder(control);
    const auto to = [this, index](MouseHandler handler) {
        return [this, index, handler](int b, int s, float x, float y) {
            (this->*handler)(index, b, s, x, y);
        };
    };
    connect(input, &InputForwarder::mouseDown, this, to(down));
    connect(input, &InputForwarder::mouseMove, this, to(move));
    connect(input, &InputForwarder::mouseUp, this, to(up));
    return input;
}
