// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include "PreviewChecks.h"
#include "catalogue/CatalogueFile.h"
#include "model/Colours.h"

#include <QPainter>

namespace {
constexpr int kBox = 165;
constexpr int kLabel = 20;
constexpr int kColumns = 10;
} // namespace

QImage contactSheet(const QByteArray& catalogue) {
    const CatalogueFields fields(catalogue);
    const int count = int(fields.size()) / kFieldsPerFigure;
    const int rows = (count + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kBox + 4), rows * (kBox + kLabel), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int f = 0; f < count; ++f) {
        const QPoint at((f % kColumns) * (kBox + 4), (f / kColumns) * (kBox + kLabel));
        painter.fillRect(QRect(at, QSize(kBox, kBox)), toQColor(kPreviewGreen));
        for (const QRect& r : previewSilhouette(fields, f * kFieldsPerFigure))
            painter.fillRect(r.translated(at), Qt::black);
        painter.drawText(QRect(at + QPoint(0, kBox), QSize(kBox, kLabel)), Qt::AlignCenter,
                         fields[f * kFieldsPerFigure]);
    }
    return sheet;
}
