// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Colours.h"

#include <QPushButton>
#include <QWidget>

class QPainter;

// A push button that is nothing but its back colour: no bevel, no focus frame,
// the same colour while pressed. Cut by a mask, it is a piece; checkable, it
// is one of the graphical check boxes.
class ColourButton : public QPushButton {
    Q_OBJECT
  public:
    explicit ColourButton(BgrColour colour, QWidget* parent);
    void setBackColour(BgrColour colour);
    BgrColour backColour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintBox(QPainter& painter) const;

    BgrColour colour_;
};

// A label or frame that fills itself with its back colour. Opaque, so that
// re-cutting a piece above it never asks the whole window to repaint.
class ColourPanel : public QWidget {
    Q_OBJECT
  public:
    ColourPanel(BgrColour colour, QWidget* parent);
    void setBackColour(BgrColour colour);
    BgrColour backColour() const { return colour_; }

  private:
    BgrColour colour_;
};

// A rectangle outline drawn over its siblings; the mouse passes through it.
class OutlineShape : public QWidget {
    Q_OBJECT
  public:
    OutlineShape(BgrColour colour, int borderWidth, Qt::PenStyle style, QWidget* parent);
    void setBorder(BgrColour colour, int borderWidth);
    BgrColour borderColour() const { return colour_; }
    int borderWidth() const { return width_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void maskToOutline();

    BgrColour colour_;
    int width_;
    Qt::PenStyle style_;
};
