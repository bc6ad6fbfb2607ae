// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewChecks.h"

#include "model/Numbers.h"

#include <QPolygon>

#include <algorithm>
#include <vector>

namespace {
enum : char { kGreen, kBlack, kReached };

// The region with every pixel that touches it (corners too) added: widened
// by a pixel each way, then heightened.
QRegion grown(const QRegion& region) {
    const QRegion wide = region | region.translated(1, 0) | region.translated(-1, 0);
    return wide | wide.translated(0, 1) | wide.translated(0, -1);
}

// The green pixels reached from `from` through the sides of green pixels,
// marked as reached.
int flood(std::vector<char>& pixels, const QRect& box, QPoint from) {
    auto at = [&](QPoint p) -> char& {
        return pixels[size_t((p.y() - box.top()) * box.width() + p.x() - box.left())];
    };
    std::vector<QPoint> todo{from};
    at(from) = kReached;
    int count = 0;
    while (!todo.empty()) {
        const QPoint next = todo.back();
        todo.pop_back();
        ++count;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            if (box.contains(next + step) && at(next + step) == kGreen)
                at(next + step) = kReached, todo.push_back(next + step);
    }
    return count;
}

// Whether a patch of green inside the box cannot be reached from its rim.
// Where two sides meet at 45 degrees, whole pixels may shut in a pixel or
// two at the very tip; no one sees those as a hole.
bool shutIn(const QRegion& drawn, const QRect& box) {
    constexpr int kLargestSpeck = 4;
    std::vector<char> pixels(size_t(box.width() * box.height()), kGreen);
    for (const QRect& r : drawn)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                pixels[size_t((y - box.top()) * box.width() + x - box.left())] = kBlack;
    flood(pixels, box, box.topLeft());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (pixels[size_t((y - box.top()) * box.width() + x - box.left())] == kGreen &&
                flood(pixels, box, {x, y}) > kLargestSpeck)
                return true;
    return false;
}
} // namespace

QRegion previewSilhouette(const CatalogueFields& fields, qsizetype first) {
    QRegion drawn;
    for (int p = 0; p < 7; ++p) {
        QPolygon polygon;
        for (int v = 0; v < 4; ++v) {
            const qsizetype k = first + 1 + (p * 4 + v) * 2;
            polygon << QPoint(roundHalfEven(readLeadingNumber(fields[k])),
                              roundHalfEven(readLeadingNumber(fields[k + 1])));
        }
        drawn |= QRegion(polygon, Qt::OddEvenFill);
    }
    return drawn;
}

QString previewFault(const QRegion& drawn) {
    const QRect box = drawn.boundingRect().adjusted(-2, -2, 2, 2);
    if (shutIn(drawn, box)) return QStringLiteral("tiene un agujero");
    // Green that a closing fills (the outside grown back after the figure
    // grew) lies in a notch or a crack; the notches of a figure whose pieces
    // meet exactly end within two pixels of the outside.
    const QRegion outside = grown(grown(grown(grown(QRegion(box) - grown(drawn)))));
    if (!(QRegion(box) - drawn - outside).isEmpty())
        return QStringLiteral("se ve una raja verde entre piezas");
    return {};
}
