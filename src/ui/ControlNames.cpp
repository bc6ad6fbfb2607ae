// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlNames.h"

#include "ui/Form1.h"

#include <QListWidget>

namespace {
// Piece p is called kPieceNames[p] wherever the interface names it; the
// colour tells the two triangles of each size apart.
const char* const kPieceNames[7] = {
    "Triángulo grande amarillo", "Triángulo grande magenta", "Triángulo pequeño aguamarina",
    "Triángulo pequeño rojo",    "Cuadrado verde",           "Paralelogramo naranja",
    "Triángulo mediano cian",
};

void name(QWidget* control, const QString& text, const QString& tip = {}) {
    control->setAccessibleName(text);
    control->setToolTip(tip);
}
} // namespace

void nameControls(Form1& form) {
    for (int p = 0; p <= 6; ++p) {
        const QString piece = QString::fromUtf8(kPieceNames[p]);
        name(form.Command1[p], piece);
        name(form.Check2[p], piece, piece + QStringLiteral(": apartar o devolver al tablero"));
    }
    name(form.Command1[7], QStringLiteral("Grupo de fichas"));
    name(form.Label1[0], QStringLiteral("Tablero"));
    name(form.Label1[1], QStringLiteral("Silueta de la figura elegida"));
    name(form.List1, QStringLiteral("Figuras del catálogo"));
    name(form.Command3, QStringLiteral("Todas"),
         QStringLiteral("Devolver todas las fichas al tablero"));
}
