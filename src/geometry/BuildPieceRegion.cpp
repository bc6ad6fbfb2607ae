// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PolygonRegion.h"
#include "geometry/RepaintBelow.h"
#include "model/Module1.h"

#include <QPolygon>
#include <QPolygonF>
#include <QRegion>
#include <QWidget>

namespace {
// An empty mask means "no mask" to Qt, which would show the whole button;
// a degenerate polygon must show nothing, so it gets a region outside it.
const QRegion kNothing(-2, -2, 1, 1);

// Far enough beyond the button that clipping there changes no pixel of it in
// play; a damaged figure or a runaway piece is cut down to this box at once
// instead of being scan-converted over millions of lines.
constexpr int kClipMargin = 1024;

// One edge of the box at a time, a polygon keeps the even-odd parity of every
// point inside the edge; the replaced stretches run along the edge itself.
QPolygonF clipToHalfPlane(const QPolygonF& in, int axis, double limit, bool keepBelow) {
    const auto inside = [&](QPointF p) {
        const double c = axis == 0 ? p.x() : p.y();
        return keepBelow ? c <= limit : c >= limit;
    };
    QPolygonF out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QPointF a = in[i];
        const QPointF b = in[(i + 1) % in.size()];
        if (inside(a)) out << a;
        if (inside(a) != inside(b)) {
            const double ca = axis == 0 ? a.x() : a.y();
            const double cb = axis == 0 ? b.x() : b.y();
            out << a + (b - a) * ((limit - ca) / (cb - ca));
        }
    }
    return out;
}

QPolygon clippedPolygon(const std::vector<RegionPoint>& points, const QRect& button) {
    const QRect box = button.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin);
    QPolygon polygon;
    polygon.reserve(int(points.size()));
    bool within = true;
    for (const RegionPoint& point : points) {
        polygon << QPoint(point.x, point.y);
        within = within && box.contains(polygon.back());
    }
    if (within) return polygon;
    QPolygonF clipped(polygon);
    clipped = clipToHalfPlane(clipped, 0, box.left(), false);
    clipped = clipToHalfPlane(clipped, 0, box.right(), true);
    clipped = clipToHalfPlane(clipped, 1, box.top(), false);
    clipped = clipToHalfPlane(clipped, 1, box.bottom(), true);
    return clipped.toPolygon();
}

QRegion polygonRegion(const std::vector<RegionPoint>& points, const QRect& button) {
    const QRegion region = evenOddRegion(clippedPolygon(points, button));
    return region.isEmpty() ? kNothing : region;
}

} // namespace

void Module1::BuildPieceRegion(QWidget* window) const {
    const QRegion region = polygonRegion(RegionPoints, window->rect());
    const QRegion before = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
    if (region == before) return;
    window->setMask(region);
    // Both outlines' bounding box holds everything that changed, and costs
    // far less than the exclusive-or of the two regions.
    if (window->isVisible())
        repaintOpaqueBelow(window, before.boundingRect().united(region.boundingRect()));
}
