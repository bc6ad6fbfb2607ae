// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <cmath>
#include <tuple>

// A number a + b·√2, counted in halves of a lattice unit. Every corner of a
// piece turned by any multiple of 45 degrees, and every sum of such corners,
// is one: two pieces that share a corner share the very same pair, and sums,
// differences and products never round.
struct Exact {
    qint64 a = 0;
    qint64 b = 0;

    Exact operator+(Exact o) const { return {a + o.a, b + o.b}; }
    Exact operator-(Exact o) const { return {a - o.a, b - o.b}; }
    Exact operator*(Exact o) const { return {a * o.a + 2 * b * o.b, a * o.b + b * o.a}; }
    bool operator==(Exact o) const { return a == o.a && b == o.b; }
    // An order of the pairs, not of the values: for sorting lists to compare.
    bool operator<(Exact o) const { return std::tie(a, b) < std::tie(o.a, o.b); }
    // In lattice units.
    double value() const { return (double(a) + double(b) * M_SQRT2) / 2; }
};

// -1, 0 or 1 as the value of a + b·√2 is negative, zero or positive, found
// with whole numbers only.
inline int sign(Exact x) {
    const int sa = (x.a > 0) - (x.a < 0), sb = (x.b > 0) - (x.b < 0);
    if (sa == sb || sb == 0) return sa;
    if (sa == 0) return sb;
    // Opposite signs: the larger of a² and 2b² wins.
    const qint64 aa = x.a * x.a, bb = 2 * x.b * x.b;
    return aa > bb ? sa : aa < bb ? sb : 0;
}

inline bool less(Exact x, Exact y) {
    return sign(y - x) > 0;
}

struct ExactPoint {
    Exact x;
    Exact y;

    ExactPoint operator+(ExactPoint o) const { return {x + o.x, y + o.y}; }
    ExactPoint operator-(ExactPoint o) const { return {x - o.x, y - o.y}; }
    bool operator==(ExactPoint o) const { return x == o.x && y == o.y; }
};
