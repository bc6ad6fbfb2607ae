// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tiling.h"

#include <QRect>

#include <algorithm>

namespace {

// One way a piece can lie, moved so that its first quarter is in cell (0, 0).
struct Shape {
    Corners corners;
    Quarters quarters;
};

// The kinds of piece with how many of each there are and where they go in
// the catalogue's piece order.
struct Kind {
    int first;
    int count;
    std::vector<Shape> shapes;
    int used = 0;
};

Shape shapeOf(Corners corners) {
    Shape shape{std::move(corners), {}};
    shape.quarters = quartersInside(shape.corners);
    const Quarter origin = shape.quarters.front();
    for (QPoint& c : shape.corners)
        c -= QPoint(origin.col, origin.row);
    for (Quarter& q : shape.quarters)
        q.col -= origin.col, q.row -= origin.row;
    return shape;
}

// The four quarter turns of the piece and of its mirror image, each once.
std::vector<Shape> shapesOf(int piece) {
    std::vector<Shape> shapes;
    for (bool mirrored : {false, true}) {
        Corners corners = pieceCorners(piece);
        if (mirrored)
            for (QPoint& c : corners)
                c.setX(-c.x());
        for (int turn = 0; turn < 4; ++turn) {
            for (QPoint& c : corners)
                c = QPoint(-c.y(), c.x());
            Shape shape = shapeOf(corners);
            const bool seen = std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) {
                return s.quarters == shape.quarters;
            });
            if (!seen) shapes.push_back(std::move(shape));
        }
    }
    return shapes;
}

// Exact cover of the region's quarters: the first quarter not yet covered is
// the first quarter of whichever piece covers it, so only shapes starting
// with that quarter are tried there.
class Tiler {
  public:
    explicit Tiler(const Quarters& region) : region_(region) {
        for (const Quarter& q : region) {
            cols_ = std::max(cols_, q.col + 1);
            rows_ = std::max(rows_, q.row + 1);
        }
        state_.assign(size_t(cols_ * rows_ * 4), kOutside);
        for (const Quarter& q : region)
            state_[index(q)] = kFree;
        for (int p : {0, 2, 4, 5, 6})
            kinds_.push_back({p, p < 4 ? 2 : 1, shapesOf(p)});
    }

    bool solve(Pieces* pieces) {
        const auto next = std::find_if(region_.begin(), region_.end(),
                                       [&](const Quarter& q) { return state_[index(q)] == kFree; });
        if (next == region_.end()) {
            *pieces = placed_;
            return std::all_of(pieces->begin(), pieces->end(),
                               [](const Corners& c) { return !c.empty(); });
        }
        for (Kind& kind : kinds_) {
            if (kind.count == 0) continue;
            for (const Shape& shape : kind.shapes)
                if (shape.quarters.front().side == next->side &&
                    place(kind, shape, {next->col, next->row}, pieces))
                    return true;
        }
        return false;
    }

  private:
    static constexpr char kOutside = 0, kFree = 1, kCovered = 2;

    size_t index(const Quarter& q) const { return size_t((q.row * cols_ + q.col) * 4 + q.side); }

    char at(Quarter q, QPoint shift) const {
        q.col += shift.x(), q.row += shift.y();
        if (q.col < 0 || q.row < 0 || q.col >= cols_ || q.row >= rows_) return kOutside;
        return state_[index(q)];
    }

    void mark(const Shape& shape, QPoint shift, char value) {
        for (Quarter q : shape.quarters) {
            q.col += shift.x(), q.row += shift.y();
            state_[index(q)] = value;
        }
    }

    bool place(Kind& kind, const Shape& shape, QPoint shift, Pieces* pieces) {
        for (const Quarter& q : shape.quarters)
            if (at(q, shift) != kFree) return false;
        Corners& slot = placed_[size_t(kind.first + kind.used)];
        slot = shape.corners;
        for (QPoint& c : slot)
            c += shift;
        mark(shape, shift, kCovered);
        --kind.count, ++kind.used;
        if (solve(pieces)) return true;
        ++kind.count, --kind.used;
        mark(shape, shift, kFree);
        slot.clear();
        return false;
    }

    const Quarters& region_;
    int cols_ = 0;
    int rows_ = 0;
    std::vector<char> state_;
    std::vector<Kind> kinds_;
    Pieces placed_;
};

} // namespace

Corners pieceCorners(int piece) {
    switch (piece) {
    case 0:
    case 1: return {{2, 2}, {0, 0}, {4, 0}};
    case 2:
    case 3: return {{1, 1}, {0, 0}, {2, 0}};
    case 4: return {{1, 0}, {2, 1}, {1, 2}, {0, 1}};
    case 5: return {{0, 0}, {2, 0}, {3, 1}, {1, 1}};
    default: return {{0, 0}, {2, 0}, {0, 2}};
    }
}

Quarters quartersInside(const Corners& polygon) {
    QRect box;
    for (const QPoint& c : polygon)
        box |= QRect(c, QSize(1, 1));
    // Centres of the quarters, in sixths of a cell: never on a side.
    static const QPoint kCentre[4] = {{3, 1}, {5, 3}, {3, 5}, {1, 3}};
    Quarters inside;
    for (int row = box.top(); row < box.bottom(); ++row)
        for (int col = box.left(); col < box.right(); ++col)
            for (int side = 0; side < 4; ++side) {
                const QPoint p = QPoint(col, row) * 6 + kCentre[side];
                int positive = 0;
                for (size_t i = 0, n = polygon.size(); i < n; ++i) {
                    const QPoint a = polygon[i] * 6, b = polygon[(i + 1) % n] * 6;
                    const qint64 cross = qint64(b.x() - a.x()) * (p.y() - a.y()) -
                                         qint64(b.y() - a.y()) * (p.x() - a.x());
                    positive += cross > 0 ? 1 : -1;
                }
                if (std::abs(positive) == int(polygon.size())) inside.push_back({col, row, side});
            }
    return inside;
}

bool tile(const Quarters& region, Pieces* pieces) {
    return !region.empty() && Tiler(region).solve(pieces);
}
