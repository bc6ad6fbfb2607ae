// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureChecks.h"

#include <QRect>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace {
constexpr int kBoxPixels = 165;
constexpr int kMarginPixels = 1;

QRect boundsOf(const Pieces& pieces) {
    QRect box;
    for (const Corners& corners : pieces)
        for (const QPoint& c : corners)
            box |= QRect(c, QSize(1, 1));
    return box.adjusted(0, 0, -1, -1); // corners, not cells: right and bottom are corners too
}

// Every squared distance between two corners, sorted: equal for congruent polygons.
std::vector<int> distances(const Corners& corners) {
    std::vector<int> all;
    for (size_t i = 0; i < corners.size(); ++i)
        for (size_t j = i + 1; j < corners.size(); ++j) {
            const QPoint d = corners[i] - corners[j];
            all.push_back(QPoint::dotProduct(d, d));
        }
    std::sort(all.begin(), all.end());
    return all;
}

bool onSide(QPoint p, QPoint a, QPoint b) {
    const QPoint ab = b - a, ap = p - a;
    return ab.x() * ap.y() == ab.y() * ap.x() && QPoint::dotProduct(ap, ab) >= 0 &&
           QPoint::dotProduct(ap, ab) <= QPoint::dotProduct(ab, ab);
}

// Pieces touch where a corner of one lies on a side of the other: a head
// standing on the point of a shoulder counts, as it does on any tangram page.
bool touching(const Corners& a, const Corners& b) {
    for (const auto& [one, other] : {std::pair(&a, &b), std::pair(&b, &a)})
        for (const QPoint& c : *one)
            for (size_t i = 0, n = other->size(); i < n; ++i)
                if (onSide(c, (*other)[i], (*other)[(i + 1) % n])) return true;
    return false;
}

bool connected(const Pieces& pieces) {
    std::vector<bool> reached(pieces.size(), false);
    std::vector<size_t> todo{0};
    reached[0] = true;
    while (!todo.empty()) {
        const size_t p = todo.back();
        todo.pop_back();
        for (size_t q = 0; q < pieces.size(); ++q)
            if (!reached[q] && touching(pieces[p], pieces[q])) reached[q] = true, todo.push_back(q);
    }
    return std::all_of(reached.begin(), reached.end(), [](bool r) { return r; });
}

// Whether some empty quarter cannot be reached from outside the figure through
// the sides of empty quarters: the preview would show green inside black.
bool hasHole(const Quarters& region, QRect box) {
    box.adjust(-1, -1, 1, 1);
    std::set<Quarter> seen(region.begin(), region.end());
    std::vector<Quarter> todo{{box.left(), box.top(), 0}};
    static const QPoint kStep[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    while (!todo.empty()) {
        const Quarter q = todo.back();
        todo.pop_back();
        if (!box.contains(q.col, q.row) || !seen.insert(q).second) continue;
        todo.push_back({q.col, q.row, (q.side + 1) % 4});
        todo.push_back({q.col, q.row, (q.side + 3) % 4});
        todo.push_back({q.col + kStep[q.side].x(), q.row + kStep[q.side].y(), (q.side + 2) % 4});
    }
    return int(seen.size()) != box.width() * box.height() * 4;
}
} // namespace

QString figureFault(const Quarters& region, const Pieces& pieces) {
    Quarters covered;
    for (int p = 0; p < 7; ++p) {
        if (distances(pieces[size_t(p)]) != distances(pieceCorners(p)))
            return QStringLiteral("la pieza %1 no tiene su forma").arg(p);
        const Quarters inside = quartersInside(pieces[size_t(p)]);
        covered.insert(covered.end(), inside.begin(), inside.end());
    }
    std::sort(covered.begin(), covered.end());
    if (std::adjacent_find(covered.begin(), covered.end()) != covered.end())
        return QStringLiteral("dos piezas se solapan");
    if (covered != region) return QStringLiteral("las piezas no cubren el dibujo");
    if (!connected(pieces)) return QStringLiteral("hay piezas sueltas");
    const QRect box = boundsOf(pieces);
    if (hasHole(region, box)) return QStringLiteral("tiene un agujero");
    if (std::max(box.width(), box.height()) * kUnitPixels > kBoxPixels - 2 * kMarginPixels)
        return QStringLiteral("no cabe en el recuadro: %1 x %2").arg(box.width()).arg(box.height());
    return {};
}

QString nameFault(const QString& name) {
    static const QRegularExpression kName(QStringLiteral("^[A-Z0-9\u00D1]+$"));
    return kName.match(name).hasMatch() ? QString()
                                        : QStringLiteral("el nombre «%1» no vale").arg(name);
}

QByteArray silhouetteKey(const Quarters& region) {
    QByteArray best;
    for (int way = 0; way < 8; ++way) {
        Quarters moved;
        for (Quarter q : region) {
            if (way & 4) q.col = -q.col - 1, q.side = (4 - q.side) % 4; // mirror left to right
            for (int turn = 0; turn < (way & 3); ++turn)
                q = {-q.row - 1, q.col, (q.side + 1) % 4};
            moved.push_back(q);
        }
        int minCol = moved[0].col, minRow = moved[0].row;
        for (const Quarter& q : moved)
            minCol = std::min(minCol, q.col), minRow = std::min(minRow, q.row);
        for (Quarter& q : moved)
            q.col -= minCol, q.row -= minRow;
        std::sort(moved.begin(), moved.end());
        QByteArray key;
        for (const Quarter& q : moved)
            key.append(char(q.col)).append(char(q.row)).append(char(q.side));
        if (best.isEmpty() || key < best) best = key;
    }
    return best;
}

void toPreview(const Pieces& pieces, double VertexCopy[8][5][3]) {
    const QRect box = boundsOf(pieces);
    const QPoint origin =
        (QPoint(kBoxPixels, kBoxPixels) - QPoint(box.width(), box.height()) * kUnitPixels) / 2 -
        box.topLeft() * kUnitPixels;
    for (int p = 0; p < 7; ++p) {
        const Corners& corners = pieces[size_t(p)];
        for (int v = 1; v <= 4; ++v) {
            const QPoint at =
                origin + corners[size_t(std::min(v, int(corners.size())) - 1)] * kUnitPixels;
            VertexCopy[p][v][1] = at.x();
            VertexCopy[p][v][2] = at.y();
        }
    }
}
