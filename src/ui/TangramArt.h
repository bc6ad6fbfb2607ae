// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Colours.h"

#include <QPolygonF>
#include <QVector>

class QPainter;
class QRectF;

// The seven pieces cut from one square, in the pieces' own colours: the
// picture the game draws of itself (about window, icons).
struct TangramPiece {
    QPolygonF outline; // corners in a unit square, y growing downwards
    BgrColour colour;
};

// Piece p of the game is entry p.
QVector<TangramPiece> tangramSquare();

// Paints the square of pieces into `target`, kept square and centred, each
// piece edged in `edge` so that pieces of one colour stay apart. The edge is a
// 64th of the side, and never thinner than `thinnest` pixels.
void paintTangramSquare(QPainter& painter, const QRectF& target, BgrColour edge,
                        qreal thinnest = 1);
