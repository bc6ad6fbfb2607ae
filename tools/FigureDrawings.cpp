// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureDrawings.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

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

// "3", "-2", "2s", "3+2s", "1-s": whole units, then turned steps.
bool readPlace(const QString& text, Exact* place) {
    static const QRegularExpression kPlace(
        QStringLiteral("^(?:([+-]?\\d+)(?![\\ds]))?(?:([+-]?)(\\d*)(s))?$"));
    const QRegularExpressionMatch m = kPlace.match(text);
    if (text.isEmpty() || !m.hasMatch()) return false;
    qint64 steps = m.captured(3).isEmpty() ? 1 : m.captured(3).toLongLong();
    if (m.captured(4).isEmpty()) steps = 0;
    *place = {2 * m.captured(1).toLongLong(), m.captured(2) == u"-" ? -steps : steps};
    return true;
}

// "@ X Y" or "@45 X Y": the grid and place of the part drawn next.
bool readPart(const QString& line, Part* part) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    part->turned = words.value(0) == u"@45";
    return words.size() == 3 && (part->turned || words[0] == u"@") &&
           readPlace(words[1], &part->origin.x) && readPlace(words[2], &part->origin.y);
}
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
        auto fail = [&](const QString& why) {
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(n + 1).arg(why);
            return false;
        };
        if (line.startsWith('=')) {
            drawings->push_back({line.mid(1).trimmed(), {Part{}}, n + 1});
            drawing = true;
            row = 0;
            continue;
        }
        if (line.startsWith(';') || line.trimmed().isEmpty()) {
            drawing = false;
            continue;
        }
        if (!drawing) continue;
        Parts& parts = drawings->back().parts;
        if (line.startsWith('@')) {
            // A figure that starts with a place has no part before it.
            if (!parts.back().region.empty()) parts.emplace_back();
            if (!readPart(line, &parts.back()))
                return fail(QStringLiteral("no sé dónde va «%1»").arg(line));
            row = 0;
            continue;
        }
        for (int col = 0; col < line.size(); ++col) {
            const int bits = kCells.value(line[col], -1);
            if (bits < 0) return fail(QStringLiteral("no sé dibujar «%1»").arg(line[col]));
            for (int side = 0; side < 4; ++side)
                if (bits & (1 << side)) parts.back().region.push_back({col, row, side});
        }
        ++row;
    }
    return true;
}
