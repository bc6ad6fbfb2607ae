// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureDrawings.h"

#include <QFile>
#include <QMap>

namespace {
// The quarters each drawing character fills, one bit per side: top 1,
// right 2, bottom 4, left 8.
const QMap<QChar, int> kCells = {
    {'.', 0},           {' ', 0},           {'#', 15},
    {QChar(0x25E4), 9}, {QChar(0x25E5), 3}, {QChar(0x25E3), 12},
    {QChar(0x25E2), 6}, {'^', 1},           {'>', 2},
    {'v', 4},           {'<', 8},           {'V', 14},
    {'A', 11},          {'C', 13},          {'D', 7},
    {'x', 5},           {'z', 10},
};
} // namespace

bool readFigureDrawings(const QString& path, std::vector<Drawing>* drawings, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + ": " + file.errorString();
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    bool drawing = false;
    int row = 0;
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.startsWith('=')) {
            drawings->push_back({line.mid(1).trimmed(), {}, n + 1});
            drawing = true;
            row = 0;
            continue;
        }
        if (line.startsWith(';') || line.trimmed().isEmpty()) {
            drawing = false;
            continue;
        }
        if (!drawing) continue;
        for (int col = 0; col < line.size(); ++col) {
            const int bits = kCells.value(line[col], -1);
            if (bits < 0) {
                *error =
                    QStringLiteral("%1:%2: no sé dibujar «%3»").arg(path).arg(n + 1).arg(line[col]);
                return false;
            }
            for (int side = 0; side < 4; ++side)
                if (bits & (1 << side)) drawings->back().region.push_back({col, row, side});
        }
        ++row;
    }
    return true;
}
