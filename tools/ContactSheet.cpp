// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include "catalogue/CatalogueFile.h"
#include "model/Colours.h"
#include "model/Numbers.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {
constexpr int kBox = 165;
constexpr int kLabel = 20;
constexpr int kColumns = 10;
constexpr int kFields = 57;
} // namespace

QImage contactSheet(const QByteArray& catalogue) {
    const CatalogueFields fields(catalogue);
    const int count = int(fields.size()) / kFields;
    const int rows = (count + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kBox + 4), rows * (kBox + kLabel), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int f = 0; f < count; ++f) {
        const QPoint at((f % kColumns) * (kBox + 4), (f / kColumns) * (kBox + kLabel));
        painter.fillRect(QRect(at, QSize(kBox, kBox)), toQColor(kPreviewGreen));
        // Cut as the preview cuts its buttons: whole pixels, even-odd polygons.
        for (int p = 0; p < 7; ++p) {
            QPolygon polygon;
            for (int v = 0; v < 4; ++v) {
                const int k = f * kFields + 1 + (p * 4 + v) * 2;
                polygon << QPoint(roundHalfEven(readLeadingNumber(fields[k])),
                                  roundHalfEven(readLeadingNumber(fields[k + 1])));
            }
            for (const QRect& r : QRegion(polygon, Qt::OddEvenFill))
                painter.fillRect(r.translated(at), Qt::black);
        }
        painter.drawText(QRect(at + QPoint(0, kBox), QSize(kBox, kLabel)), Qt::AlignCenter,
                         fields[f * kFields]);
    }
    return sheet;
}
