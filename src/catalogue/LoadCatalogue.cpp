// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/GameFiles.h"
#include "ui/Platform.h"

#include <QCollator>
#include <QDebug>
#include <QHash>
#include <QListWidget>
#include <algorithm>

namespace {
constexpr int kFieldsPerFigure = 57;

// One fixed Spanish order on every machine, whatever the player's locale:
// Ñ after N, FIGURA2 before FIGURA10, letter case ignored. A sort key is made
// once per name, so that a large catalogue sorts in a fraction of a second.
QStringList sortedNames(const QStringList& names) {
    QCollator spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    spanish.setCaseSensitivity(Qt::CaseInsensitive);
    spanish.setNumericMode(true);
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keyed;
    keyed.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(spanish.sortKey(names[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& entry : keyed)
        sorted.append(names[entry.second]);
    return sorted;
}
} // namespace

// Reads the whole catalogue into List2 (every field), List1 (the names,
// sorted) and RowRecord (the record each row shows), from the first place that
// holds a readable one. False, after telling the player, when there is
// nothing to read.
bool Form1::LoadCatalogue() {
    List2.clear();
    List1->clear();
    RowRecord.clear();
    const QStringList places = catalogueCandidates(gameFolders());
    const auto found = std::find_if(places.begin(), places.end(), [this](const QString& path) {
        return readCatalogueFile(path, &List2);
    });
    if (found == places.end()) {
        qWarning().noquote() << "Sietari: no catalogue could be read; looked at:"
                             << places.join(QStringLiteral(", "));
        platform_.messageBox(this, QStringLiteral("No ecuentro el archivo 'Sietari.dat'."),
                             Platform::Icon::Exclamation, Platform::Buttons::Ok);
        return false;
    }
    CatalogueFile = *found;
    // A name given twice shows the last record of that name from either entry.
    QStringList names;
    QHash<QString, int32_t> lastRecord;
    for (qsizetype i = 0; i < List2.size(); i += kFieldsPerFigure) {
        names.append(List2[i]);
        lastRecord[names.back()] = int32_t(i);
    }
    names = sortedNames(names);
    RowRecord.reserve(size_t(names.size()));
    for (const QString& name : names)
        RowRecord.push_back(lastRecord.value(name));
    List1->addItems(names);
    FigureOrder.assign(List1->count() + 1, 0);
    FigureOrderPos = 0;
    return true;
}

GameFolders Form1::gameFolders() const {
    return {platform_.userDataFolder(), M.AppFolder, platform_.sharedDataFolders()};
}

// Fields past the end of a short last record read as 0.
QString Form1::figureField(int position) const {
    return List2.value(position);
}
