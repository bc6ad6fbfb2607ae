// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Numbers.h"

#include <QRect>
#include <QWidget>

// Controls are designed and measured in twips; the window system places them
// in whole pixels, 15 twips each.
inline int toPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}
inline int toTwips(int pixels) {
    return pixels * int(kTwipsPerPixel);
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline int leftTwips(const QWidget* control) {
    return toTwips(control->x());
}
inline int topTwips(const QWidget* control) {
    return toTwips(control->y());
}
inline int widthTwips(const QWidget* control) {
    return toTwips(control->width());
}
inline int heightTwips(const QWidget* control) {
    return toTwips(control->height());
}
