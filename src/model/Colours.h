// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

// Colours are kept as 0x00BBGGRR values, the form the piece colour texts use.
using BgrColour = uint32_t;

constexpr BgrColour kWhite = 0x00FFFFFF; // group button and group members
constexpr BgrColour kGrey = 0x00808080;  // silhouette
constexpr BgrColour kBlack = 0x00000000;
constexpr BgrColour kPreviewGreen = 0x0000C000;
constexpr BgrColour kBrightGreen = 0x0000FF00;
constexpr BgrColour kLightGrey = 0x00C0C0C0;

constexpr BgrColour kPieceColours[7] = {
    0x0000FFFF, // 0 large triangle, yellow
    0x00FF00FF, // 1 large triangle, magenta
    0x00B5DC6B, // 2 small triangle
    0x000000FF, // 3 small triangle, red
    0x0000FF00, // 4 square, green
    0x000080FF, // 5 parallelogram, orange
    0x00FFFF00, // 6 medium triangle, cyan
};

inline QColor toQColor(BgrColour bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline BgrColour toBgr(const QColor& colour) {
    return BgrColour(colour.red()) | BgrColour(colour.green()) << 8 |
           BgrColour(colour.blue()) << 16;
}
