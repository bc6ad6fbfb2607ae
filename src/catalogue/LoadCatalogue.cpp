// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/GameFiles.h"
#include "ui/Platform.h"

#include <QCollator>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QListWidget>
#include <QSet>
#include <algorithm>

// Resources of a static library are registered by hand, outside any namespace,
// and once: each registration adds another copy to Qt's list.
static void registerEarlierFigures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(catalogue);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {
// The one line a file that could not be read whole is worth: the game goes on
// with what it could read.
void report(const QString& path, const QString& problem) {
    if (!problem.isEmpty()) qWarning().noquote() << "Sietari:" << path << problem;
}

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
QSet<QString> recordsShipped(const CatalogueFields& catalogue) {
    QFile file(QStringLiteral(":/earlier-figures.dat"));
    const CatalogueFields earlier(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    QSet<QString> records;
    for (const CatalogueFields* fields :
         std::initializer_list<const CatalogueFields*>{&earlier, &catalogue})
        for (qsizetype i = 0; i < fields->size(); i += kFieldsPerFigure)
            records.insert(fields->recordText(i));
    return records;
}
} // namespace

// Reads the shipped catalogue, from the first place that holds a readable
// one, then the player's own figures after it, into List2 (every field),
// List1 (the names, sorted, each once) and RowRecord (the record each row
// shows: a name given twice shows its last record, so the player's own). False,
// after telling the player, when there is nothing to read.
bool Form1::LoadCatalogue() {
    List2.clear();
    List1->clear();
    RowRecord.clear();
    const GameFolders folders = gameFolders();
    const QStringList places = catalogueCandidates(folders);
    const auto found = std::find_if(places.begin(), places.end(), [this](const QString& path) {
        QString problem;
        const bool read = readCatalogueFile(path, &List2, &problem);
        report(path, problem);
        return read;
    });
    CatalogueFile = found == places.end() ? QString() : *found;
    readPlayersFigures(playerCatalogue(folders));
    if (List2.isEmpty()) {
        qWarning().noquote() << "Sietari: no catalogue could be read; looked at:"
                             << places.join(QStringLiteral(", "));
        platform_.messageBox(this, QStringLiteral("No ecuentro el archivo 'Sietari.dat'."),
                             Platform::Icon::Exclamation, Platform::Buttons::Ok);
        return false;
    }
    listNames();
    FigureOrder.assign(List1->count() + 1, 0);
    FigureOrderPos = 0;
    return true;
}

// Read in step with their own records, whatever the shipped file's last one.
// A record the game itself shipped, in this release or an earlier one, is not
// the player's: earlier releases copied the whole catalogue into the player's
// file, and those copies must not hide a figure a later release mended, nor
// bring back one it dropped.
void Form1::readPlayersFigures(const QString& path) {
    if (path.isEmpty() || (!CatalogueFile.isEmpty() && QFileInfo(path) == QFileInfo(CatalogueFile)))
        return;
    CatalogueFields own;
    QString problem;
    readCatalogueFile(path, &own, &problem);
    report(path, problem);
    if (own.isEmpty()) return;
    registerEarlierFigures();
    const QSet<QString> shipped = recordsShipped(List2);
    List2.appendRecords(own,
                        [&](qsizetype first) { return !shipped.contains(own.recordText(first)); });
}

void Form1::listNames() {
    QStringList names;
    QHash<QString, int32_t> lastRecord;
    for (qsizetype i = 0; i < List2.size(); i += kFieldsPerFigure) {
        const QString name = List2[i];
        if (!lastRecord.contains(name)) names.append(name);
        lastRecord[name] = int32_t(i);
    }
    names = sortedNames(names);
    RowRecord.reserve(size_t(names.size()));
    for (const QString& name : names)
        RowRecord.push_back(lastRecord.value(name));
    List1->addItems(names);
}

GameFolders Form1::gameFolders() const {
    return {platform_.userDataFolder(), M.AppFolder, platform_.sharedDataFolders()};
}

// Fields past the end of a short last record read as 0.
QString Form1::figureField(int position) const {
    return List2.value(position);
}
