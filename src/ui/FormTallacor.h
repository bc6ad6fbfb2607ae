// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Platform;
class QLabel;

// The about window: black, with the game's title, icon and logo and the
// project's addresses. A click on an address opens it and leaves the window
// open; any other click, and any key that types a character, closes it.
class FormTallacor : public QDialog {
    Q_OBJECT
  public:
    FormTallacor(QWidget* mainWindow, Platform& platform);

    QLabel* lblTitulo = nullptr;
    QLabel* imgIcono = nullptr;
    QLabel* lblCreadoPor = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblTexEmail = nullptr;
    QLabel* lblMail = nullptr;
    QLabel* lblTexWeb = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* lblTexto = nullptr;
    QLabel* lblClick = nullptr;

    void Form_Activate();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void buildControls();
    void underline(QLabel* address, bool on);
    void openAddress(const QString& target);

    QWidget* mainWindow_;
    Platform& platform_;
};
