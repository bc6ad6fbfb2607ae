// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Widgets.h"

#include "geometry/RepaintBelow.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

ColourButton::ColourButton(BgrColour colour, QWidget* parent)
    : QPushButton(parent), colour_(colour) {}

void ColourButton::setBackColour(BgrColour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (isCheckable())
        paintBox(painter);
    else
        painter.fillRect(event->rect(), toQColor(colour_));
}

// Three looks told apart at a glance: the piece's colour, raised, while the
// piece is on the board; dark and striped in its colour, sunken, once it is
// put away; washed out to grey and flat while the box cannot be used.
void ColourButton::paintBox(QPainter& painter) const {
    QColor face = toQColor(colour_);
    if (!isEnabled()) face = QColor::fromHsvF(face.hsvHueF(), face.hsvSaturationF() / 4, 0.75);
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    if (isChecked()) {
        painter.fillRect(inside, face.darker(400));
        painter.fillRect(inside, QBrush(face, Qt::BDiagPattern));
    } else {
        painter.fillRect(inside, face);
    }
    if (isEnabled())
        qDrawShadePanel(&painter, rect(), palette(), isChecked(), 2);
    else
        qDrawPlainRect(&painter, rect(), palette().color(QPalette::Disabled, QPalette::Text), 2);
}

ColourPanel::ColourPanel(BgrColour colour, QWidget* parent) : QWidget(parent), colour_(~colour) {
    setAutoFillBackground(true);
    setBackColour(colour);
}

void ColourPanel::setBackColour(BgrColour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(colour));
    setPalette(colours);
}

OutlineShape::OutlineShape(BgrColour colour, int borderWidth, Qt::PenStyle style, QWidget* parent)
    : QWidget(parent), colour_(colour), width_(borderWidth), style_(style) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::setBorder(BgrColour colour, int borderWidth) {
    colour_ = colour;
    width_ = borderWidth;
    maskToOutline();
    update();
}

void OutlineShape::resizeEvent(QResizeEvent*) {
    maskToOutline();
}

// Only the outline is the shape's: a piece moving inside the board's frame
// then never asks the frame to paint.
void OutlineShape::maskToOutline() {
    const int w = std::max(width_, 1);
    const QRegion before = mask();
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(w, w, -w, -w))));
    // What a narrower outline gives up is the board's to paint again.
    if (isVisible()) repaintOpaqueBelow(this, before.subtracted(mask()).boundingRect());
}

void OutlineShape::paintEvent(QPaintEvent* event) {
    if (width_ <= 0) return;
    QPainter painter(this);
    // A solid outline covers its mask exactly, so filling the asked part is
    // the same pixels for a fraction of stroking the whole rectangle: a piece
    // dragged along the board's edge has the frame painted on every frame.
    if (style_ == Qt::SolidLine) {
        painter.fillRect(event->rect(), toQColor(colour_));
        return;
    }
    QPen pen(toQColor(colour_), width_, style_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // Keep the whole pen inside the shape's rectangle.
    const qreal inset = width_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
