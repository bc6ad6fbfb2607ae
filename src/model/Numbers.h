#pragma once

#include <cmath>
#include <cstdint>

// Whole numbers from floating point: a half goes to the even neighbour
// (12.5 -> 12, 13.5 -> 14), the rounding of every conversion but region points.
inline int32_t roundHalfEven(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// Region points take the largest whole number not above the value (-0.5 -> -1).
inline int32_t floorToInt(double value) {
    return static_cast<int32_t>(std::floor(value));
}

constexpr double kTwipsPerPixel = 15.0;
