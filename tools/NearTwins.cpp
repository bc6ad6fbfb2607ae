// SPDX-License-Identifier: GPL-3.0-or-later
#include "NearTwins.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace {
constexpr int kSide = 128;
constexpr double kPixelsPerUnit = 6;
// Far enough to lay two slightly different centres of mass on each other.
constexpr int kMostShift = 4;
// Below this, no shift of a few pixels reaches the near-twin share.
constexpr double kWorthShifting = 0.6;

QPolygonF toPolygon(const Outline& outline) {
    QPolygonF polygon;
    for (const ExactPoint& c : outline)
        polygon << QPointF(c.x.value(), c.y.value());
    return polygon;
}

// Twice the area of a polygon, positive when its corners turn anticlockwise.
double twiceArea(const QPolygonF& polygon) {
    double twice = 0;
    for (qsizetype i = 0, n = polygon.size(); i < n; ++i)
        twice +=
            polygon[i].x() * polygon[(i + 1) % n].y() - polygon[(i + 1) % n].x() * polygon[i].y();
    return twice;
}
} // namespace

NearTwins::Bitmap NearTwins::draw(const Pieces& pieces, int eighthTurns, bool mirrored) {
    // Every piece's centre of mass weighs as its area; the pieces never overlap.
    QPointF centre;
    double area = 0;
    std::vector<QPolygonF> polygons;
    for (const Outline& outline : pieces) {
        const QPolygonF polygon = toPolygon(outline);
        const double twice = std::abs(twiceArea(polygon));
        QPointF mean;
        for (const QPointF& c : polygon)
            mean += c / polygon.size();
        centre += mean * twice;
        area += twice;
        polygons.push_back(polygon);
    }
    centre /= area;
    QImage image(kSide, kSide, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.translate(kSide / 2.0, kSide / 2.0);
    painter.rotate(45.0 * eighthTurns);
    painter.scale(mirrored ? -kPixelsPerUnit : kPixelsPerUnit, kPixelsPerUnit);
    painter.translate(-centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPolygonF& polygon : polygons)
        painter.drawPolygon(polygon);
    painter.end();
    Bitmap bitmap{};
    for (int y = 0; y < kSide; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < kSide; ++x)
            if (line[x] > 127) bitmap[size_t(y)].set(size_t(x));
    }
    return bitmap;
}

// Intersection over union, with the moving silhouette shifted by whole
// pixels from where the centres of mass meet, climbing to the best shift.
double NearTwins::bestShare(const Bitmap& fixed, const Bitmap& moving) {
    auto share = [&](QPoint shift) {
        int both = 0, either = 0;
        for (int y = 0; y < kSide; ++y) {
            const int from = y - shift.y();
            std::bitset<128> row = from >= 0 && from < kSide ? moving[size_t(from)] : 0;
            row = shift.x() >= 0 ? row << size_t(shift.x()) : row >> size_t(-shift.x());
            both += int((fixed[size_t(y)] & row).count());
            either += int((fixed[size_t(y)] | row).count());
        }
        return either == 0 ? 0.0 : double(both) / either;
    };
    QPoint at;
    double best = share(at);
    if (best < kWorthShifting) return best;
    for (bool better = true; better;) {
        better = false;
        const QPoint from = at;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint next = from + QPoint(dx, dy);
                if (std::max(std::abs(next.x()), std::abs(next.y())) > kMostShift) continue;
                const double s = share(next);
                if (s > best) best = s, at = next, better = true;
            }
    }
    return best;
}

// Whether the pieces fill their convex hull, whose area is then the seven
// pieces' 16 square units.
bool NearTwins::convex(const Pieces& pieces) {
    QPolygonF corners;
    for (const Outline& outline : pieces)
        corners << toPolygon(outline);
    std::sort(corners.begin(), corners.end(), [](QPointF a, QPointF b) {
        return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
    });
    auto turn = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull;
    for (int pass = 0; pass < 2; ++pass) {
        const qsizetype start = hull.size();
        for (const QPointF& c : corners) {
            while (hull.size() >= start + 2 && turn(hull[hull.size() - 2], hull.back(), c) <= 0)
                hull.pop_back();
            hull.push_back(c);
        }
        hull.pop_back();
        std::reverse(corners.begin(), corners.end());
    }
    return std::abs(twiceArea(hull) / 2 - 16) < 1e-6;
}

QString NearTwins::add(const QString& name, const Pieces& pieces) {
    std::array<Bitmap, 16> ways;
    for (int way = 0; way < 16; ++way)
        ways[size_t(way)] = draw(pieces, way % 8, way >= 8);
    QString twin;
    double most = 0;
    const bool isConvex = convex(pieces);
    for (size_t f = 0; f < silhouettes_.size(); ++f)
        for (const Bitmap& way : ways) {
            if (isConvex && convex_[f]) break;
            const double share = bestShare(silhouettes_[f], way);
            if (share >= kNearTwinShare && share > most) most = share, twin = names_[int(f)];
        }
    names_ << name;
    convex_.push_back(isConvex);
    silhouettes_.push_back(ways[0]);
    if (twin.isEmpty()) return {};
    return QStringLiteral("casi la misma silueta que %1 (coinciden en un %2 %)")
        .arg(twin)
        .arg(int(most * 100));
}
