// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Centring.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

void centreOnPointerScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window sized by its layout knows its size only once the layout has run.
    if (window->layout()) window->layout()->activate();
    QRect place(QPoint(), window->size());
    place.moveCenter(screen->availableGeometry().center());
    window->move(place.topLeft());
}
