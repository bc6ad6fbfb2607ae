// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Exact.h"

#include <QPoint>

#include <array>
#include <tuple>
#include <vector>

// The grids the shipped figures are drawn on, y growing downwards. On the
// straight grid the unit is a quarter of the side of the square the seven
// pieces are cut from; laid with the small square standing on a corner, every
// piece has its corners on whole grid points and its sides along the axes or
// the diagonals. The turned grid is the straight one shrunk by √2: on it the
// pieces lie turned by 45 degrees (the small square upright), again with their
// corners on whole grid points. A figure is drawn in parts, each on one grid
// and placed at an exact point, so it may hold pieces turned 45 degrees from
// one another while two pieces that meet still share the very same numbers.
//
// The two diagonals of a cell cut it into four quarters; a piece covers whole
// quarters of its grid, which makes drawing a part a matter of filling quarters.
struct Quarter {
    int col = 0;
    int row = 0;
    int side = 0; // 0 top, 1 right, 2 bottom, 3 left

    bool operator<(const Quarter& o) const {
        return std::tie(row, col, side) < std::tie(o.row, o.col, o.side);
    }
    bool operator==(const Quarter& o) const {
        return col == o.col && row == o.row && side == o.side;
    }
};
using Quarters = std::vector<Quarter>; // sorted, no repeats

// Corners on one grid; a triangle has three, the right angle first, in the
// order of the game's vertices.
using Corners = std::vector<QPoint>;

// A piece's corners as exact points of the whole figure, in lattice units.
using Outline = std::vector<ExactPoint>;
using Pieces = std::array<Outline, 7>; // in the catalogue's piece order

// Quarters of one grid whose top-left grid point lies at `origin`.
struct Part {
    bool turned = false;
    ExactPoint origin;
    Quarters region;
};
using Parts = std::vector<Part>;

// Piece p (0..6) as it is cut from the square, on the straight or turned grid.
Corners pieceCorners(int piece, bool turned = false);

// The quarters inside a convex polygon of grid points.
Quarters quartersInside(const Corners& polygon);

// A grid point of the part as an exact point of the figure.
ExactPoint figurePoint(const Part& part, QPoint corner);

// The seven pieces laid over exactly the quarters of the parts, each piece in
// one part; false when they cannot cover them. The same parts always give the
// same layout.
bool tile(const Parts& parts, Pieces* pieces);
