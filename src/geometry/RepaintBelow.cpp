// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/RepaintBelow.h"

#include <QRect>
#include <QWidget>

namespace {
bool paintsOpaque(const QWidget* widget) {
    return widget->autoFillBackground() || widget->testAttribute(Qt::WA_OpaquePaintEvent);
}
} // namespace

void repaintOpaqueBelow(QWidget* window, const QRect& changed) {
    QWidget* parent = window->parentWidget();
    if (!parent || changed.isEmpty()) return;
    const QRect inParent = changed.translated(window->pos());
    for (QObject* child : parent->children()) {
        if (child == window) break; // children are in stacking order, bottom first
        auto* below = qobject_cast<QWidget*>(child);
        if (below && below->isVisible() && paintsOpaque(below) &&
            below->geometry().intersects(inParent))
            below->update(inParent.translated(-below->pos()));
    }
}
