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

// The kinds of piece with how many of each there are, where they go in the
// catalogue's piece order, and how they can lie on each grid.
struct Kind {
    int first;
    int count;
    std::array<std::vector<Shape>, 2> shapes; // straight, turned
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
std::vector<Shape> shapesOf(int piece, bool turned) {
    std::vector<Shape> shapes;
    for (bool mirrored : {false, true}) {
        Corners corners = pieceCorners(piece, turned);
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

// Where a part's quarters are kept in the tiler's one table of states.
struct Grid {
    size_t base = 0;
    int cols = 0;
    int rows = 0;
};

// Exact cover of the parts' quarters: the first quarter not yet covered is
// the first quarter of whichever piece covers it, so only shapes starting
// with that quarter are tried there.
class Tiler {
  public:
    explicit Tiler(const Parts& parts) : parts_(parts) {
        for (const Part& part : parts) {
            Grid grid{state_.size()};
            for (const Quarter& q : part.region) {
                grid.cols = std::max(grid.cols, q.col + 1);
                grid.rows = std::max(grid.rows, q.row + 1);
            }
            grids_.push_back(grid);
            state_.resize(grid.base + size_t(grid.cols * grid.rows * 4), kOutside);
            for (const Quarter& q : part.region)
                state_[index(grid, q)] = kFree;
        }
        for (int p : {0, 2, 4, 5, 6})
            kinds_.push_back({p, p < 4 ? 2 : 1, {shapesOf(p, false), shapesOf(p, true)}});
    }

    bool solve(Pieces* pieces) {
        for (size_t k = 0; k < parts_.size(); ++k)
            for (const Quarter& q : parts_[k].region)
                if (state_[index(grids_[k], q)] == kFree) return cover(k, q, pieces);
        for (int p = 0; p < 7; ++p) {
            if (placed_[size_t(p)].empty()) return false;
            (*pieces)[size_t(p)].clear();
            for (const QPoint& c : placed_[size_t(p)])
                (*pieces)[size_t(p)].push_back(figurePoint(parts_[partOf_[size_t(p)]], c));
        }
        return true;
    }

  private:
    static constexpr char kOutside = 0, kFree = 1, kCovered = 2;

    static size_t index(const Grid& grid, const Quarter& q) {
        return grid.base + size_t((q.row * grid.cols + q.col) * 4 + q.side);
    }

    char at(const Grid& grid, Quarter q, QPoint shift) const {
        q.col += shift.x(), q.row += shift.y();
        if (q.col < 0 || q.row < 0 || q.col >= grid.cols || q.row >= grid.rows) return kOutside;
        return state_[index(grid, q)];
    }

    void mark(const Grid& grid, const Shape& shape, QPoint shift, char value) {
        for (Quarter q : shape.quarters) {
            q.col += shift.x(), q.row += shift.y();
            state_[index(grid, q)] = value;
        }
    }

    bool cover(size_t part, const Quarter& next, Pieces* pieces) {
        for (Kind& kind : kinds_) {
            if (kind.count == 0) continue;
            for (const Shape& shape : kind.shapes[parts_[part].turned])
                if (shape.quarters.front().side == next.side &&
                    place(kind, shape, part, {next.col, next.row}, pieces))
                    return true;
        }
        return false;
    }

    bool place(Kind& kind, const Shape& shape, size_t part, QPoint shift, Pieces* pieces) {
        const Grid& grid = grids_[part];
        for (const Quarter& q : shape.quarters)
            if (at(grid, q, shift) != kFree) return false;
        const size_t slot = size_t(kind.first + kind.used);
        placed_[slot] = shape.corners;
        for (QPoint& c : placed_[slot])
            c += shift;
        partOf_[slot] = part;
        mark(grid, shape, shift, kCovered);
        --kind.count, ++kind.used;
        if (solve(pieces)) return true;
        ++kind.count, --kind.used;
        mark(grid, shape, shift, kFree);
        placed_[slot].clear();
        return false;
    }

    const Parts& parts_;
    std::vector<Grid> grids_;
    std::vector<char> state_;
    std::vector<Kind> kinds_;
    std::array<Corners, 7> placed_;
    std::array<size_t, 7> partOf_{};
};

} // namespace

Corners pieceCorners(int piece, bool turned) {
    Corners corners;
    switch (piece) {
    case 0:
    case 1: corners = {{2, 2}, {0, 0}, {4, 0}}; break;
    case 2:
    case 3: corners = {{1, 1}, {0, 0}, {2, 0}}; break;
    case 4: corners = {{1, 0}, {2, 1}, {1, 2}, {0, 1}}; break;
    case 5: corners = {{0, 0}, {2, 0}, {3, 1}, {1, 1}}; break;
    default: corners = {{0, 0}, {2, 0}, {0, 2}};
    }
    // Turned by 45 degrees and grown by √2, which the turned grid's smaller
    // cells take back.
    if (turned)
        for (QPoint& c : corners)
            c = QPoint(c.x() - c.y(), c.x() + c.y());
    return corners;
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

ExactPoint figurePoint(const Part& part, QPoint corner) {
    // A straight cell is two halves of a unit wide, a turned one √2 halves.
    const ExactPoint step = part.turned ? ExactPoint{{0, corner.x()}, {0, corner.y()}}
                                        : ExactPoint{{2 * corner.x(), 0}, {2 * corner.y(), 0}};
    return part.origin + step;
}

bool tile(const Parts& parts, Pieces* pieces) {
    const bool empty = std::all_of(parts.begin(), parts.end(),
                                   [](const Part& part) { return part.region.empty(); });
    return !empty && Tiler(parts).solve(pieces);
}
