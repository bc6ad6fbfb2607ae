// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <array>
#include <tuple>
#include <vector>

// The lattice the shipped figures are drawn on. Its unit is a quarter of the
// side of the square the seven pieces are cut from, and y grows downwards.
// Laid with the small square standing on a corner, every piece has its
// corners on whole lattice points and its sides along the axes or the
// diagonals, so a figure's corners are exact whole numbers and two pieces
// that meet share the very same numbers.
//
// The two diagonals of a cell cut it into four quarters; such a piece covers
// whole quarters, which makes drawing a figure a matter of filling quarters.
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

// A piece's corners on the lattice, in the order of the game's vertices: a
// triangle has three, the right angle first.
using Corners = std::vector<QPoint>;
using Pieces = std::array<Corners, 7>; // in the catalogue's piece order

// Piece p (0..6) as it is cut from the square.
Corners pieceCorners(int piece);

// The quarters inside a convex lattice polygon.
Quarters quartersInside(const Corners& polygon);

// The seven pieces laid over exactly the quarters of `region`; false when
// they cannot cover it. The same region always gives the same layout.
bool tile(const Quarters& region, Pieces* pieces);
