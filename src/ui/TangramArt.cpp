// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TangramArt.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>

QVector<TangramPiece> tangramSquare() {
    const auto poly = [](std::initializer_list<QPointF> corners) { return QPolygonF(corners); };
    return {
        {poly({{0, 0}, {1, 0}, {.5, .5}}), kPieceColours[0]},                  // large triangle
        {poly({{0, 0}, {.5, .5}, {0, 1}}), kPieceColours[1]},                  // large triangle
        {poly({{.5, .5}, {.75, .25}, {.75, .75}}), kPieceColours[2]},          // small triangle
        {poly({{.25, .75}, {.5, 1}, {0, 1}}), kPieceColours[3]},               // small triangle
        {poly({{.5, .5}, {.75, .75}, {.5, 1}, {.25, .75}}), kPieceColours[4]}, // square
        {poly({{1, 0}, {1, .5}, {.75, .75}, {.75, .25}}), kPieceColours[5]},   // parallelogram
        {poly({{1, .5}, {1, 1}, {.5, 1}}), kPieceColours[6]},                  // medium triangle
    };
}

void paintTangramSquare(QPainter& painter, const QRectF& target, BgrColour edge, qreal thinnest) {
    const qreal side = std::min(target.width(), target.height());
    const QPointF origin = target.center() - QPointF(side, side) / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin);
    painter.scale(side, side);
    QPen pen(toQColor(edge));
    pen.setCosmetic(true);
    pen.setWidthF(std::max(thinnest, side / 64));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    for (const TangramPiece& piece : tangramSquare()) {
        painter.setBrush(toQColor(piece.colour));
        painter.drawPolygon(piece.outline);
    }
    painter.restore();
}
