// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/PolygonRegion.h"

#include <algorithm>
#include <vector>

namespace {
// An edge that is not level, from its top corner down; it covers rows top to
// bottom - 1 (the bottom row belongs to the next edge or to nothing).
struct Edge {
    int top;
    int bottom;
    int x;
    int dx;
};

int64_t ceilDiv(int64_t a, int64_t b) { // b > 0
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

std::vector<Edge> edgesOf(const QPolygon& polygon) {
    std::vector<Edge> edges;
    edges.reserve(size_t(polygon.size()));
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        QPoint a = polygon[i];
        QPoint b = polygon[(i + 1) % polygon.size()];
        if (a.y() == b.y()) continue;
        if (a.y() > b.y()) std::swap(a, b);
        edges.push_back({a.y(), b.y(), a.x(), b.x() - a.x()});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& a, const Edge& b) { return a.top < b.top; });
    return edges;
}
} // namespace

// Row by row, the same crossings Qt's scan conversion steps to: an edge meets
// row y at its top x plus the rounded-up share of its run. Crossings pair up
// into spans [left, right); a row with the same spans as the row above only
// makes that band taller, as QRegion keeps its bands.
QRegion evenOddRegion(const QPolygon& polygon) {
    const std::vector<Edge> edges = edgesOf(polygon);
    std::vector<const Edge*> active;
    std::vector<int> crossings;
    std::vector<QRect> rects;
    size_t next = 0, band = 0; // first edge not yet met, first rectangle of the last band
    int bottom =
        edges.empty() ? 0 : std::max_element(edges.begin(), edges.end(), [](auto& a, auto& b) {
                                return a.bottom < b.bottom;
                            })->bottom;
    for (int y = edges.empty() ? 0 : edges.front().top; y < bottom; ++y) {
        while (next < edges.size() && edges[next].top == y)
            active.push_back(&edges[next++]);
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [y](const Edge* e) { return e->bottom <= y; }),
                     active.end());
        crossings.clear();
        for (const Edge* e : active)
            crossings.push_back(
                int(e->x + ceilDiv(int64_t(y - e->top) * e->dx, e->bottom - e->top)));
        std::sort(crossings.begin(), crossings.end());
        const size_t rowStart = rects.size();
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            if (crossings[i] == crossings[i + 1]) continue;
            if (rects.size() > rowStart && rects.back().right() + 1 == crossings[i])
                rects.back().setRight(crossings[i + 1] - 1); // spans that touch are one
            else
                rects.emplace_back(QPoint(crossings[i], y), QPoint(crossings[i + 1] - 1, y));
        }
        const size_t count = rects.size() - rowStart;
        const bool sameAsAbove =
            count > 0 && count == rowStart - band && rects[band].bottom() == y - 1 &&
            std::equal(rects.begin() + long(band), rects.begin() + long(rowStart),
                       rects.begin() + long(rowStart), [](const QRect& a, const QRect& b) {
                           return a.left() == b.left() && a.right() == b.right();
                       });
        if (sameAsAbove) {
            rects.resize(rowStart);
            for (size_t i = band; i < rowStart; ++i)
                rects[i].setBottom(y);
        } else if (count > 0) {
            band = rowStart;
        }
    }
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}
