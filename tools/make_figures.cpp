// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the catalogue of figures that ships with the game from the drawings
// in a figures file (see FigureDrawings.h), and on request a contact sheet of
// their previews to look them over:
//
//   sietari_make_figures FIGURES_FILE NEW_CATALOGUE [NEW_SHEET.png]
//
// Each drawing is filled with the seven pieces by a small exact-cover search
// on its grids, checked in exact numbers, and converted to preview pixels only
// when written, so pieces that meet share identical numbers; the preview is
// then cut as the game cuts it and checked for holes, seams and near-twins.
// Nothing is written unless every figure passes. The tool only ever creates
// new files: a catalogue beside a player's game may hold figures the player
// added, and nothing here may write over it.

#include "ContactSheet.h"
#include "FigureChecks.h"
#include "FigureDrawings.h"
#include "NearTwins.h"
#include "PreviewChecks.h"

#include "catalogue/CatalogueFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QSet>
#include <cstdio>

namespace {

// Why the drawing makes no figure, or an empty text; *pieces filled when it does.
QString drawingFault(const Drawing& drawing, Pieces* pieces) {
    const int drawn = eighths(drawing.parts);
    if (drawn != kFigureEighths)
        return QStringLiteral("dibuja %1 octavos de unidad y las piezas cubren %2")
            .arg(drawn)
            .arg(kFigureEighths);
    if (!tile(drawing.parts, pieces)) return QStringLiteral("las siete piezas no llenan el dibujo");
    return figureFault(*pieces);
}

// The record of every drawing, in file order, or the reasons there is none.
QByteArray buildCatalogue(const std::vector<Drawing>& drawings, QStringList* faults) {
    QByteArray catalogue;
    QSet<QString> names;
    QMap<QByteArray, QString> silhouettes;
    NearTwins nearTwins;
    for (const Drawing& drawing : drawings) {
        Pieces pieces;
        QString why = nameFault(drawing.name);
        if (names.contains(drawing.name)) why = QStringLiteral("el nombre está repetido");
        if (why.isEmpty()) why = drawingFault(drawing, &pieces);
        const QByteArray key = silhouetteKey(drawing.parts);
        if (why.isEmpty() && silhouettes.contains(key))
            why = QStringLiteral("la misma silueta que %1").arg(silhouettes[key]);
        QByteArray record;
        if (why.isEmpty()) {
            double VertexCopy[8][5][3] = {};
            toPreview(pieces, VertexCopy);
            record = buildFigureRecord(drawing.name, VertexCopy);
            why = previewFault(previewSilhouette(CatalogueFields(record), 0));
        }
        if (why.isEmpty()) why = nearTwins.add(drawing.name, pieces);
        if (!why.isEmpty()) {
            *faults << QStringLiteral("línea %1, %2: %3").arg(drawing.line).arg(drawing.name, why);
            continue;
        }
        names << drawing.name;
        if (!key.isEmpty()) silhouettes[key] = drawing.name;
        catalogue += record;
    }
    return catalogue;
}

// NewOnly makes the refusal and the creation one step: no other program can
// slip a file in between a check and the write.
bool writeNew(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(path))
            std::fprintf(stderr, "%s ya existe: no se sobrescribe.\n", qPrintable(path));
        else
            std::fprintf(stderr, "No se puede crear %s: %s\n", qPrintable(path),
                         qPrintable(file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "No se pudo escribir %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        file.close();
        file.remove();
        return false;
    }
    return true;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "Uso: %s FIGURAS ARCHIVO_NUEVO [HOJA_NUEVA.png]\n",
                     argc > 0 ? argv[0] : "sietari_make_figures");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv); // the sheet's lettering needs fonts

    std::vector<Drawing> drawings;
    QString error;
    if (!readFigureDrawings(QString::fromLocal8Bit(argv[1]), &drawings, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QStringList faults;
    const QByteArray catalogue = buildCatalogue(drawings, &faults);
    if (!faults.isEmpty()) {
        std::fprintf(stderr, "%s\nNo se escribe nada.\n", qPrintable(faults.join('\n')));
        return 1;
    }
    if (!writeNew(QString::fromLocal8Bit(argv[2]), catalogue)) return 1;
    if (argc == 4 && !writeNew(QString::fromLocal8Bit(argv[3]), png(contactSheet(catalogue))))
        return 1;
    std::printf("%d figuras escritas en %s\n", int(drawings.size()), argv[2]);
    return 0;
}
