// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureChecks.h"

#include <QRectF>
#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr int kBoxPixels = 165;
constexpr int kMarginPixels = 1;

// In lattice units.
QRectF boundsOf(const Pieces& pieces) {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Outline& outline : pieces)
        for (const ExactPoint& c : outline) {
            left = std::min(left, c.x.value()), right = std::max(right, c.x.value());
            top = std::min(top, c.y.value()), bottom = std::max(bottom, c.y.value());
        }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

Exact dot(ExactPoint u, ExactPoint v) {
    return u.x * v.x + u.y * v.y;
}

Exact cross(ExactPoint u, ExactPoint v) {
    return u.x * v.y - u.y * v.x;
}

// Every squared distance between two corners, sorted: equal for congruent polygons.
std::vector<Exact> distances(const Outline& corners) {
    std::vector<Exact> all;
    for (size_t i = 0; i < corners.size(); ++i)
        for (size_t j = i + 1; j < corners.size(); ++j)
            all.push_back(dot(corners[i] - corners[j], corners[i] - corners[j]));
    std::sort(all.begin(), all.end());
    return all;
}

Outline straightOutline(int piece) {
    Outline outline;
    for (const QPoint& c : pieceCorners(piece))
        outline.push_back({{2 * c.x(), 0}, {2 * c.y(), 0}});
    return outline;
}

// Every side of every piece runs along an axis or a diagonal, so two pieces
// overlap exactly when their shadows on those four lines all overlap.
bool overlapping(const Outline& one, const Outline& other) {
    static const int kAxes[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const auto& axis : kAxes) {
        auto shadow = [&](const Outline& outline) {
            std::pair<Exact, Exact> range;
            for (size_t i = 0; i < outline.size(); ++i) {
                const Exact at = dot(outline[i], {{axis[0], 0}, {axis[1], 0}});
                if (i == 0 || less(at, range.first)) range.first = at;
                if (i == 0 || less(range.second, at)) range.second = at;
            }
            return range;
        };
        const auto [lowOne, highOne] = shadow(one);
        const auto [lowOther, highOther] = shadow(other);
        if (!less(lowOther, highOne) || !less(lowOne, highOther)) return false;
    }
    return true;
}

bool onSide(ExactPoint p, ExactPoint a, ExactPoint b) {
    const ExactPoint ab = b - a, ap = p - a;
    return sign(cross(ab, ap)) == 0 && sign(dot(ap, ab)) >= 0 && !less(dot(ab, ab), dot(ap, ab));
}

// Pieces touch where a corner of one lies on a side of the other: a head
// standing on the point of a shoulder counts, as it does on any tangram page.
bool touching(const Outline& a, const Outline& b) {
    for (const auto& [one, other] : {std::pair(&a, &b), std::pair(&b, &a)})
        for (const ExactPoint& c : *one)
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
} // namespace

int eighths(const Parts& parts) {
    int sum = 0;
    for (const Part& part : parts)
        sum += int(part.region.size()) * (part.turned ? 1 : 2);
    return sum;
}

QString figureFault(const Pieces& pieces) {
    for (size_t p = 0; p < 7; ++p) {
        if (distances(pieces[p]) != distances(straightOutline(int(p))))
            return QStringLiteral("la pieza %1 no tiene su forma").arg(p);
        for (size_t q = 0; q < p; ++q)
            if (overlapping(pieces[p], pieces[q])) return QStringLiteral("dos piezas se solapan");
    }
    if (!connected(pieces)) return QStringLiteral("hay piezas sueltas");
    const QRectF box = boundsOf(pieces);
    if (std::max(box.width(), box.height()) * kUnitPixels > kBoxPixels - 2 * kMarginPixels)
        return QStringLiteral("no cabe en el recuadro: %1 x %2")
            .arg(box.width(), 0, 'f', 2)
            .arg(box.height(), 0, 'f', 2);
    return {};
}

QString nameFault(const QString& name) {
    static const QRegularExpression kName(QStringLiteral("^[A-Z0-9\u00D1]+$"));
    return kName.match(name).hasMatch() ? QString()
                                        : QStringLiteral("el nombre «%1» no vale").arg(name);
}

QByteArray silhouetteKey(const Parts& parts) {
    if (parts.size() != 1) return {};
    QByteArray best;
    for (int way = 0; way < 8; ++way) {
        Quarters moved;
        for (Quarter q : parts[0].region) {
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
        QByteArray key(1, parts[0].turned ? 't' : 's');
        for (const Quarter& q : moved)
            key.append(char(q.col)).append(char(q.row)).append(char(q.side));
        if (best.isEmpty() || key < best) best = key;
    }
    return best;
}

void toPreview(const Pieces& pieces, double VertexCopy[8][5][3]) {
    const QRectF box = boundsOf(pieces);
    // Whole pixels: a figure of the straight grid keeps every corner on one.
    const QPointF origin(
        std::floor((kBoxPixels - box.width() * kUnitPixels) / 2 - box.left() * kUnitPixels),
        std::floor((kBoxPixels - box.height() * kUnitPixels) / 2 - box.top() * kUnitPixels));
    for (int p = 0; p < 7; ++p) {
        const Outline& corners = pieces[size_t(p)];
        for (int v = 1; v <= 4; ++v) {
            const ExactPoint& at = corners[size_t(std::min(v, int(corners.size())) - 1)];
            VertexCopy[p][v][1] = origin.x() + at.x.value() * kUnitPixels;
            VertexCopy[p][v][2] = origin.y() + at.y.value() * kUnitPixels;
        }
    }
}
