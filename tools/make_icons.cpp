// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's icon, the seven pieces as one square, into a hicolor icon
// theme folder: PNGs with a transparent background at the sizes desktops ask
// for, and a scalable SVG of the same polygons.
//
//   sietari_make_icons FOLDER    (writes FOLDER/hicolor/...)

#include "ui/TangramArt.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr BgrColour kEdge = kBlack; // the board's colour parts the pieces
constexpr int kSizes[] = {16, 22, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;
// Below 32 pixels a whole pixel of edge round every piece would take a third
// of the icon; half a pixel, blended into the colours, still parts them.
constexpr int kFullEdgeFrom = 32;
constexpr qreal kSmallEdge = 0.5;

// The square of pieces inside an icon of `size` pixels, with a small margin
// that also keeps the edge lines wholly inside.
QRectF squareIn(int size) {
    const qreal margin = size / 16.0;
    return QRectF(margin, margin, size - 2 * margin, size - 2 * margin);
}

QString themeFile(const QString& folder, const QString& sizeName, const QString& extension) {
    const QString dir = QStringLiteral("%1/hicolor/%2/apps").arg(folder, sizeName);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/sietari.") + extension;
}

bool writePng(const QString& folder, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintTangramSquare(painter, squareIn(size), kEdge, size < kFullEdgeFrom ? kSmallEdge : 1);
    painter.end();
    return image.save(themeFile(folder, QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
}

// The same polygons as paintTangramSquare, scaled the same way.
bool writeSvg(const QString& folder) {
    QFile file(themeFile(folder, QStringLiteral("scalable"), QStringLiteral("svg")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QRectF square = squareIn(kSvgSize);
    const qreal side = square.width();
    QTextStream svg(&file);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSvgSize << "\" height=\""
        << kSvgSize << "\" viewBox=\"0 0 " << kSvgSize << ' ' << kSvgSize << "\">\n"
        << "<g stroke=\"" << toQColor(kEdge).name() << "\" stroke-width=\""
        << std::max<qreal>(1, side / 64) << "\" stroke-linejoin=\"miter\">\n";
    for (const TangramPiece& piece : tangramSquare()) {
        svg << "<polygon fill=\"" << toQColor(piece.colour).name() << "\" points=\"";
        for (const QPointF& corner : piece.outline)
            svg << square.left() + corner.x() * side << ',' << square.top() + corner.y() * side
                << ' ';
        svg << "\"/>\n";
    }
    svg << "</g>\n</svg>\n";
    return svg.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written = writeSvg(folder);
    for (int size : kSizes)
        written = writePng(folder, size) && written;
    if (!written) std::fprintf(stderr, "could not write every icon under %s\n", argv[1]);
    return written ? 0 : 1;
}
