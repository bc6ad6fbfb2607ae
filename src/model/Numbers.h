// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

// The largest size of a coordinate read from a file, in pixels: far beyond any
// window, and small enough that no sum of them, nor any of them in twips,
// comes near the range of a 32-bit whole number.
constexpr double kCoordinateLimit = 1e6;

// A whole number for any value: NaN gives 0, and anything beyond the reach of
// 32 bits stops at +-2^30, which still leaves room for sums.
inline int32_t saturatedInt(double whole) {
    constexpr double kReach = 1 << 30;
    if (std::isnan(whole)) return 0;
    return static_cast<int32_t>(whole < -kReach ? -kReach : whole > kReach ? kReach : whole);
}

// Whole numbers from floating point: a half goes to the even neighbour
// (12.5 -> 12, 13.5 -> 14), the rounding of every conversion but region points.
inline int32_t roundHalfEven(double value) {
    return saturatedInt(std::nearbyint(value));
}

// Region points take the largest whole number not above the value (-0.5 -> -1).
inline int32_t floorToInt(double value) {
    return saturatedInt(std::floor(value));
}

constexpr double kTwipsPerPixel = 15.0;
