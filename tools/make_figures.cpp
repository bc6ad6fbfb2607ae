// Writes the catalogue of figures that ships with the game. Every figure is a
// placement of the seven pieces; the vertices come from the game's own piece
// tables and go through the same conversion the editor applies when a player
// saves a figure, so a shipped figure and one made in the editor agree to the
// last hundredth.
//
//   sietari_make_figures NEW_FILE
//
// The tool only ever creates a new file: a catalogue beside a player's game may
// hold figures the player added, and nothing here may write over it.

#include "catalogue/CatalogueFile.h"
#include "geometry/PolarGeometry.h"
#include "model/Module1.h"
#include "model/Numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <cstdio>

namespace {

// Where a piece lies in a figure.
struct Placement {
    int turns;     // counter-clockwise steps of 45 degrees from the start angles
    bool mirrored; // turned over first (only the parallelogram, piece 5)
    double x;      // centre, in pixels of the 449x449 piece button
    double y;
};

struct Figure {
    const char* name; // UTF-8
    Placement pieces[7];
};

// Pieces in index order: 0 and 1 the large triangles, 2 and 3 the small ones,
// 4 the square, 5 the parallelogram, 6 the medium triangle. Each figure was
// drawn on the grid of the pieces' corners and fits inside pixels 24..420 of
// the button, so it fits the board and the preview box alike.
const Figure kFigures[] = {
    // The square the seven pieces are cut from.
    {"CUADRADO",
     {
         {1, false, 175.33, 222.00},
         {4, false, 222.00, 175.33},
         {4, false, 292.00, 175.33},
         {0, false, 222.00, 245.33},
         {0, false, 268.67, 222.00},
         {2, true, 198.67, 292.00},
         {1, false, 292.00, 292.00},
     }},
    // A right triangle lying on its long side.
    {"TRIANGULO",
     {
         {3, false, 128.77, 268.67},
         {0, false, 315.43, 268.67},
         {6, false, 222.10, 292.00},
         {2, false, 198.77, 175.33},
         {0, false, 175.43, 222.00},
         {2, true, 245.43, 245.33},
         {7, false, 245.43, 198.67},
     }},
    // A rectangle twice as long as it is high.
    {"RECTANGULO",
     {
         {4, false, 123.01, 189.00},
         {5, false, 189.00, 255.00},
         {7, false, 337.49, 271.50},
         {3, false, 238.50, 205.50},
         {1, false, 255.00, 255.00},
         {3, true, 320.99, 222.00},
         {0, false, 288.00, 189.00},
     }},
    // An isosceles trapezium, as wide as the board allows.
    {"TRAPECIO",
     {
         {0, false, 123.01, 255.00},
         {3, false, 320.99, 255.00},
         {7, false, 271.50, 271.50},
         {3, false, 172.50, 205.50},
         {1, false, 189.00, 255.00},
         {3, true, 255.00, 222.00},
         {0, false, 222.00, 189.00},
     }},
    // A parallelogram leaning to the right.
    {"PARALELOGRAMO",
     {
         {3, false, 128.67, 268.67},
         {2, false, 175.33, 222.00},
         {0, false, 245.33, 268.67},
         {4, false, 315.33, 198.67},
         {0, false, 268.67, 222.00},
         {2, true, 338.67, 152.00},
         {5, false, 245.33, 152.00},
     }},
    // A house: the large triangles make the roof over a square wall.
    {"CASA",
     {
         {0, false, 189.00, 189.00},
         {3, false, 255.00, 189.00},
         {7, false, 271.50, 337.49},
         {3, false, 172.50, 271.50},
         {1, false, 189.00, 320.99},
         {3, true, 255.00, 288.00},
         {0, false, 222.00, 255.00},
     }},
    // An arrow pointing up and to the right.
    {"FLECHA",
     {
         {7, false, 280.33, 117.00},
         {2, false, 327.00, 163.67},
         {0, false, 280.33, 187.00},
         {4, false, 163.67, 303.67},
         {0, false, 117.00, 327.00},
         {2, true, 187.00, 257.00},
         {1, false, 233.67, 210.33},
     }},
    // A sailing boat with a mainsail and a jib.
    {"VELERO",
     {
         {2, false, 189.00, 222.00},
         {5, false, 189.00, 156.00},
         {1, false, 139.50, 337.49},
         {1, false, 238.50, 337.49},
         {1, false, 189.00, 353.99},
         {3, false, 288.00, 353.99},
         {2, false, 255.00, 255.00},
     }},
    // A boat with two sails.
    {"BARCO",
     {
         {0, false, 156.00, 222.00},
         {5, false, 288.00, 222.00},
         {7, false, 238.50, 304.50},
         {1, false, 337.49, 271.50},
         {1, false, 288.00, 288.00},
         {3, false, 189.00, 288.00},
         {0, false, 123.01, 288.00},
     }},
    // A rocket standing on its fins.
    {"COHETE",
     {
         {6, false, 189.00, 255.00},
         {7, false, 255.00, 189.00},
         {7, false, 205.50, 337.49},
         {3, false, 304.50, 337.49},
         {1, false, 255.00, 320.99},
         {3, false, 156.00, 320.99},
         {4, false, 222.00, 123.01},
     }},
    // A fir tree on a short trunk.
    {"ARBOL",
     {
         {0, false, 189.00, 189.00},
         {3, false, 255.00, 189.00},
         {1, false, 271.50, 238.50},
         {3, false, 304.50, 271.50},
         {1, false, 222.00, 320.99},
         {1, true, 222.00, 255.00},
         {4, false, 156.00, 255.00},
     }},
    // A bridge with one arch.
    {"PUENTE",
     {
         {4, false, 90.01, 189.00},
         {7, false, 288.00, 189.00},
         {5, false, 337.49, 271.50},
         {7, false, 370.49, 238.50},
         {1, false, 353.99, 189.00},
         {3, false, 123.01, 255.00},
         {4, false, 189.00, 189.00},
     }},
    // A top hat.
    {"SOMBRERO",
     {
         {6, false, 189.00, 222.00},
         {7, false, 255.00, 156.00},
         {1, false, 238.50, 271.50},
         {3, false, 337.49, 304.50},
         {1, false, 288.00, 288.00},
         {1, true, 189.00, 288.00},
         {4, false, 123.01, 288.00},
     }},
    // A goblet.
    {"COPA",
     {
         {2, false, 189.00, 123.01},
         {1, false, 255.00, 123.01},
         {1, false, 271.50, 304.50},
         {3, false, 304.50, 337.49},
         {1, false, 222.00, 255.00},
         {1, true, 222.00, 320.99},
         {4, false, 156.00, 320.99},
     }},
    // A hot-air balloon with its basket hanging below.
    {"GLOBO",
     {
         {2, false, 189.00, 189.00},
         {1, false, 255.00, 189.00},
         {1, false, 271.50, 106.51},
         {3, false, 304.50, 139.50},
         {1, false, 222.00, 320.99},
         {1, true, 222.00, 123.01},
         {4, false, 156.00, 123.01},
     }},
    // A chair seen from the side.
    {"SILLA",
     {
         {6, false, 156.00, 288.00},
         {7, false, 288.00, 288.00},
         {3, false, 139.50, 73.51},
         {3, false, 271.50, 370.49},
         {1, false, 156.00, 353.99},
         {1, false, 156.00, 189.00},
         {6, false, 156.00, 123.01},
     }},
    // A table.
    {"MESA",
     {
         {4, false, 123.01, 156.00},
         {7, false, 320.99, 156.00},
         {5, false, 304.50, 238.50},
         {5, false, 139.50, 304.50},
         {1, false, 320.99, 288.00},
         {3, true, 123.01, 255.00},
         {4, false, 222.00, 156.00},
     }},
    // A candle in its holder, flame on top.
    {"VELA",
     {
         {6, false, 189.00, 268.67},
         {7, false, 255.00, 202.67},
         {7, false, 271.50, 351.16},
         {1, false, 304.50, 318.16},
         {0, false, 222.00, 123.01},
         {1, true, 156.00, 334.66},
         {0, false, 222.00, 334.66},
     }},
    // A cat sitting, ears pricked, tail up beside it.
    {"GATO",
     {
         {0, false, 188.90, 358.00},
         {3, false, 254.90, 358.00},
         {0, false, 198.57, 99.67},
         {2, false, 245.23, 99.67},
         {0, false, 221.90, 146.34},
         {0, true, 330.56, 320.99},
         {0, false, 221.90, 226.00},
     }},
    // A swan swimming to the left.
    {"CISNE",
     {
         {0, false, 212.34, 305.57},
         {1, false, 278.33, 239.57},
         {2, false, 113.34, 175.23},
         {7, false, 360.83, 157.08},
         {0, false, 160.01, 151.90},
         {0, false, 183.34, 221.90},
         {4, false, 311.33, 173.58},
     }},
    // A duck swimming to the left.
    {"PATO",
     {
         {0, false, 156.00, 320.99},
         {1, false, 222.00, 255.00},
         {3, false, 139.50, 238.50},
         {7, false, 106.51, 172.50},
         {1, false, 156.00, 189.00},
         {3, true, 353.99, 156.00},
         {4, false, 255.00, 189.00},
     }},
    // A fish swimming to the left.
    {"PEZ",
     {
         {3, false, 198.67, 222.00},
         {2, false, 338.67, 268.67},
         {0, false, 222.00, 315.33},
         {4, false, 245.33, 292.00},
         {0, false, 105.33, 315.33},
         {0, false, 175.33, 152.00},
         {3, false, 175.33, 292.00},
     }},
    // A rabbit sitting, ears up, facing right.
    {"CONEJO",
     {
         {0, false, 189.00, 354.09},
         {1, false, 255.00, 288.10},
         {3, false, 106.51, 337.59},
         {5, false, 337.49, 172.60},
         {1, false, 320.99, 222.10},
         {1, false, 255.00, 123.11},
         {4, false, 288.00, 354.09},
     }},
    // A dog walking to the left.
    {"PERRO",
     {
         {6, false, 222.00, 255.00},
         {7, false, 288.00, 189.00},
         {7, false, 172.50, 139.50},
         {5, false, 106.51, 205.50},
         {1, false, 156.00, 189.00},
         {3, false, 189.00, 320.99},
         {0, false, 320.99, 320.99},
     }},
    // A camel walking to the left.
    {"CAMELLO",
     {
         {0, false, 222.00, 189.00},
         {3, false, 288.00, 189.00},
         {3, false, 139.50, 304.50},
         {7, false, 106.51, 106.51},
         {1, false, 156.00, 255.00},
         {1, false, 353.99, 288.00},
         {2, false, 156.00, 156.00},
     }},
    // A dancer with her arms raised.
    {"BAILARINA",
     {
         {7, false, 222.00, 175.33},
         {0, false, 222.00, 268.67},
         {5, false, 145.17, 112.17},
         {5, false, 298.83, 112.17},
         {0, false, 222.00, 82.00},
         {3, false, 175.33, 348.33},
         {5, false, 264.66, 338.67},
     }},
    // A child playing, arms out and one leg kicked back.
    {"NIÑO",
     {
         {6, false, 189.00, 235.67},
         {7, false, 255.00, 169.67},
         {1, false, 139.50, 153.17},
         {1, false, 304.50, 153.17},
         {0, false, 222.00, 90.01},
         {3, false, 156.00, 301.66},
         {6, false, 255.00, 334.66},
     }},
    // The letter C.
    {"LETRAC",
     {
         {4, false, 156.00, 123.01},
         {3, false, 156.00, 320.99},
         {7, false, 304.50, 139.50},
         {7, false, 238.50, 304.50},
         {1, false, 288.00, 320.99},
         {3, false, 255.00, 123.01},
         {6, false, 156.00, 222.00},
     }},
    // The letter L.
    {"LETRAL",
     {
         {6, false, 123.01, 222.00},
         {7, false, 189.00, 156.00},
         {5, false, 172.50, 304.50},
         {5, false, 337.49, 304.50},
         {1, false, 123.01, 288.00},
         {3, false, 288.00, 288.00},
         {0, false, 222.00, 288.00},
     }},
    // The letter T.
    {"LETRAT",
     {
         {4, false, 189.00, 156.00},
         {5, false, 255.00, 288.00},
         {1, false, 337.49, 139.50},
         {1, false, 172.50, 271.50},
         {1, false, 123.01, 156.00},
         {3, false, 222.00, 222.00},
         {4, false, 288.00, 156.00},
     }},
    // The letter U.
    {"LETRAU",
     {
         {6, false, 123.01, 288.00},
         {5, false, 320.99, 288.00},
         {1, false, 139.50, 139.50},
         {1, false, 304.50, 205.50},
         {1, false, 320.99, 156.00},
         {1, false, 123.01, 189.00},
         {0, false, 222.00, 288.00},
     }},
    // The figure seven.
    {"NUMERO7",
     {
         {2, false, 255.00, 156.00},
         {5, false, 189.00, 288.00},
         {5, false, 172.50, 172.50},
         {1, false, 304.50, 139.50},
         {1, false, 123.01, 156.00},
         {3, true, 320.99, 189.00},
         {2, false, 255.00, 255.00},
     }},
};

// The size unit S and the slopes the game plays with.
constexpr int16_t kPieceSize = 700;
constexpr double kSlopeAngle2 = 63.4349488;
constexpr double kSlopeAngle3 = 71.56505117708;
constexpr double kButtonTwips = 449 * kTwipsPerPixel;
// Side of the board as the editor scales it into the preview box.
constexpr int16_t kPreviewSize = 275;

// The editor's own conversion keeps shipped figures and saved ones in agreement.
double toPreview(double boardPixel) {
    return toPreviewCoordinate(boardPixel, kPieceSize, kPreviewSize);
}

// Preview coordinates of every vertex of the figure, in the layout the
// catalogue record is built from.
bool placeFigure(const Figure& figure, double VertexCopy[8][5][3], QString* error) {
    Module1 m;
    m.PieceSize = kPieceSize;
    m.SlopeAngle2 = kSlopeAngle2;
    m.SlopeAngle3 = kSlopeAngle3;
    m.InitPieceTables(kButtonTwips, kButtonTwips);
    for (int p = 0; p <= 6; ++p) {
        const Placement& place = figure.pieces[p];
        if (place.mirrored && p != 5) {
            *error = QStringLiteral("la pieza %1 no se puede voltear").arg(p);
            return false;
        }
        for (int v = 1; v <= 4; ++v) {
            double angle = m.PieceAngle[p][v];
            if (place.mirrored) angle = 180 - angle;
            angle += 45.0 * place.turns;
            const PixelPoint vertex = polarToPixel(
                angle, m.PieceRadius[p][v], place.x * kTwipsPerPixel, place.y * kTwipsPerPixel);
            VertexCopy[p][v][1] = toPreview(vertex.x);
            VertexCopy[p][v][2] = toPreview(vertex.y);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Uso: %s ARCHIVO_NUEVO\n",
                     argc > 0 ? argv[0] : "sietari_make_figures");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);

    QByteArray catalogue;
    QSet<QString> names;
    for (const Figure& figure : kFigures) {
        const QString name = QString::fromUtf8(figure.name);
        if (names.contains(name)) {
            std::fprintf(stderr, "La figura %s está repetida.\n", figure.name);
            return 1;
        }
        names.insert(name);

        double VertexCopy[8][5][3] = {};
        QString error;
        if (!placeFigure(figure, VertexCopy, &error)) {
            std::fprintf(stderr, "Figura %s: %s.\n", figure.name, qPrintable(error));
            return 1;
        }
        const QByteArray record = buildFigureRecord(name, VertexCopy);
        if (record.isEmpty()) {
            std::fprintf(stderr, "El nombre %s no se puede guardar en el catálogo.\n", figure.name);
            return 1;
        }
        catalogue += record;
    }

    // NewOnly makes the refusal and the creation one step: no other program
    // can slip a file in between a check and the write.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(path))
            std::fprintf(stderr, "%s ya existe: no se sobrescribe.\n", qPrintable(path));
        else
            std::fprintf(stderr, "No se puede crear %s: %s\n", qPrintable(path),
                         qPrintable(file.errorString()));
        return 1;
    }
    if (file.write(catalogue) != catalogue.size() || !file.flush()) {
        std::fprintf(stderr, "No se pudo escribir %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        file.close();
        file.remove();
        return 1;
    }
    file.close();
    std::printf("%d figuras escritas en %s\n", int(names.size()), qPrintable(path));
    return 0;
}
