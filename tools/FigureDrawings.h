// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tiling.h"

#include <QString>

// One figure as drawn in the figures file: its name and the quarters it fills.
struct Drawing {
    QString name;
    Parts parts;
    int line = 0; // where its name stands in the file
};

// Reads the figures file (UTF-8). A line "= NAME" starts a figure; the lines
// after it draw it, one character per lattice cell:
//   #  full          .  empty (so is a blank)
//   ◤ ◥ ◣ ◢  the half the triangle shows, cut along a diagonal
//   ^ > v <  the one quarter at the top, right, bottom or left
//   V A C D  all but the top, bottom, right or left quarter
//   x z      the top and bottom, the left and right quarters
// Not every outline can be filled: drawing the pieces' own shapes side by
// side keeps it fillable. Each may be turned by quarter turns, and the
// parallelogram turned over (◢#◤):
//   large  .◢◣.   medium  #◤   small  ◢◣   square  ◢◣   parallelogram  ◥#◣
//          ◢##◣           ◤.                    ◥◤
// A figure is one part on the straight grid unless a line
//   @ X Y     (the next lines draw a part on the straight grid)
//   @45 X Y   (the next lines draw a part on the turned grid)
// starts another part, whose top-left grid point lies at X, Y: whole
// straight units, plus or minus whole turned steps (√2/2 units) marked "s",
// as in 3, -2, 2s, 3+2s, 1-s. The first part's top-left point is 0, 0. On the
// turned grid the same characters draw the pieces turned by 45 degrees:
//   large  ◣...   medium  .◢◣.   small  ◣.   square  ##   parallelogram  ◥#◣.
//          #◣..           ◢##◣          #◣           ##                  .◥#◣
//          ##◣.
//          ###◣
// Lines starting with ";" are comments, and so is everything after a
// figure's drawing up to the next name. False with *error set on a
// character that draws nothing known or a place it cannot read.
bool readFigureDrawings(const QString& path, std::vector<Drawing>* drawings, QString* error);
