// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Hands the mouse and key events of one widget to the window's handlers in
// the game's terms: button 1 left, 2 right, 4 middle; shift bits 1 Shift,
// 2 Ctrl, 4 Alt; positions in twips from the widget's top-left corner.
// It consumes what it forwards, so a push button never sees a press (and a
// right press no longer falls through to the board below).
class InputForwarder : public QObject {
    Q_OBJECT
  public:
    explicit InputForwarder(QWidget* watched);

  signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void keyDown(int keyCode, int shift);
    void keyUp(int keyCode, int shift);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
