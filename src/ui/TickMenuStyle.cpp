// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TickMenuStyle.h"

#include <QStyleOptionMenuItem>

TickMenuStyle::TickMenuStyle(QObject* owner) {
    setParent(owner);
}

void TickMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item || item->checkType != QStyleOptionMenuItem::Exclusive) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem ticked(*item);
    ticked.checkType = QStyleOptionMenuItem::NonExclusive;
    QProxyStyle::drawControl(element, &ticked, painter, widget);
}
