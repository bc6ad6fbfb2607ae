// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Platform.h"

#include <random>

// The real desktop: Qt's dialogs, the desktop's file associations and a
// generator seeded from the clock.
class DesktopPlatform : public Platform {
  public:
    Answer messageBox(QWidget* owner, const QString& text, Icon icon, Buttons buttons) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& text) override;
    void openWithDesktop(const QString& target, const QString& folder) override;
    void runModal(QDialog* dialog) override;
    void seedRandomFromClock() override;
    double nextRandom() override;
    QString programFolder() const override;
    QString userDataFolder() const override;
    QStringList sharedDataFolders() const override;

    // The program's name and version, before the application object exists.
    // The name is the player's data folder's and, on X11, the window's class,
    // which the desktop entry's StartupWMClass names so that docks put the
    // window under its icon. No organisation, so the folder is
    // ~/.local/share/sietari.
    static void nameProgram();

  private:
    std::mt19937_64 generator_;
};
