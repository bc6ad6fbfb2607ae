// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, except that checkable menu items of an exclusive
// group are drawn with ticks like any other checkable item, not as radio
// buttons.
class TickMenuStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit TickMenuStyle(QObject* owner);
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
