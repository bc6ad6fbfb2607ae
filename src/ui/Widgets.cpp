#include "ui/Widgets.h"

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
    painter.fillRect(event->rect(), toQColor(colour_));
    if (isCheckable()) qDrawShadePanel(&painter, rect(), palette(), isChecked(), 2);
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
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(w, w, -w, -w))));
}

void OutlineShape::paintEvent(QPaintEvent*) {
    if (width_ <= 0) return;
    QPainter painter(this);
    QPen pen(toQColor(colour_), width_, style_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // Keep the whole pen inside the shape's rectangle.
    const qreal inset = width_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}
