// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <QRegion>
#include <QString>

// The figure whose name is field `first` of the catalogue as the preview box
// shows it: each piece cut the way the game cuts its preview buttons (corners
// rounded to whole pixels, even-odd polygons), all seven together.
QRegion previewSilhouette(const CatalogueFields& fields, qsizetype first);

// Why the preview of a figure is not one solid black shape, or an empty text:
// green shut in by black is a hole, and green reaching more than three pixels
// in from the outside along a crack is a seam.
QString previewFault(const QRegion& drawn);
