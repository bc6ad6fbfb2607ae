#include "model/Module1.h"

#include <QPolygon>
#include <QRegion>
#include <QWidget>

namespace {
// An empty mask means "no mask" to Qt, which would show the whole button;
// a degenerate polygon must show nothing, so it gets a region outside it.
const QRegion kNothing(-2, -2, 1, 1);

QRegion polygonRegion(const std::vector<RegionPoint>& points) {
    QPolygon polygon;
    polygon.reserve(int(points.size()));
    for (const RegionPoint& point : points)
        polygon << QPoint(point.x, point.y);
    QRegion region(polygon, Qt::OddEvenFill);
    return region.isEmpty() ? kNothing : region;
}

bool paintsOpaque(const QWidget* widget) {
    return widget->autoFillBackground() || widget->testAttribute(Qt::WA_OpaquePaintEvent);
}

// Over an opaque board Qt drops its own repaint of what the window uncovers,
// so repaint it from the opaque widgets below, as one rectangle: the backing
// store flushes one image per rectangle.
void repaintUncovered(QWidget* window, const QRect& changed) {
    QWidget* parent = window->parentWidget();
    if (!parent || changed.isEmpty()) return;
    const QRect inParent = changed.translated(window->pos());
    for (QObject* child : parent->children()) {
        if (child == window) break; // children are in stacking order, bottom first
        auto* below = qobject_cast<QWidget*>(child);
        if (below && below->isVisible() && paintsOpaque(below) &&
            below->geometry().intersects(inParent))
            below->update(inParent.translated(-below->pos()));
    }
}
} // namespace

void Module1::BuildPieceRegion(QWidget* window) const {
    const QRegion region = polygonRegion(RegionPoints);
    const QRegion before = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
    if (region == before) return;
    window->setMask(region);
    // Both outlines' bounding box holds everything that changed, and costs
    // far less than the exclusive-or of the two regions.
    if (window->isVisible())
        repaintUncovered(window, before.boundingRect().united(region.boundingRect()));
}
