// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Places a window not yet shown in the middle of the screen that holds the
// pointer: where the player looks, and where no window manager may place it.
void centreOnPointerScreen(QWidget* window);
