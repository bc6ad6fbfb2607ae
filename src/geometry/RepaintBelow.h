// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QRect;
class QWidget;

// Has the opaque widgets below `window` (its siblings earlier in stacking
// order) paint `changed`, in pixels of the window, again: over an opaque
// board Qt drops its own repaint of what a narrower mask uncovers. One
// rectangle, for the backing store flushes one image per rectangle.
void repaintOpaqueBelow(QWidget* window, const QRect& changed);
