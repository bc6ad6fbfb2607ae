// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tiling.h"

#include <QString>

// One figure as drawn in the figures file: its name and the quarters it fills.
struct Drawing {
    QString name;
    Quarters region;
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
// Lines starting with ";" are comments, and so is everything after a
// figure's drawing up to the next name. False with *error set on a
// character that draws nothing known.
bool readFigureDrawings(const QString& path, std::vector<Drawing>* drawings, QString* error);
