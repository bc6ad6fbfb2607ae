#include "ui/Form1.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/GameFiles.h"
#include "ui/Platform.h"

#include <QCollator>
#include <QDebug>
#include <QListWidget>
#include <algorithm>

namespace {
constexpr int kFieldsPerFigure = 57;

// One fixed Spanish order on every machine, whatever the player's locale:
// Ñ after N, FIGURA2 before FIGURA10, letter case ignored.
QStringList sortedNames(QStringList names) {
    QCollator spanish(QLocale(QLocale::Spanish, QLocale::Spain));
    spanish.setCaseSensitivity(Qt::CaseInsensitive);
    spanish.setNumericMode(true);
    std::stable_sort(names.begin(), names.end(), [&spanish](const QString& a, const QString& b) {
        return spanish.compare(a, b) < 0;
    });
    return names;
}
} // namespace

// Reads the whole catalogue into List2 (every field) and List1 (the names,
// sorted), from the first place that holds a readable one. False, after
// telling the player, when there is nothing to read.
bool Form1::LoadCatalogue() {
    List2.clear();
    List1->clear();
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
    QStringList names;
    for (int i = 0; i < List2.size(); i += kFieldsPerFigure)
        names.append(List2[i]);
    List1->addItems(sortedNames(names));
    FigureOrder.assign(List1->count() + 1, 0);
    FigureOrderPos = 0;
    return true;
}

GameFolders Form1::gameFolders() const {
    return {platform_.userDataFolder(), M.AppFolder, platform_.sharedDataFolders()};
}

// Fields past the end of a short last record read as 0.
QString Form1::figureField(int position) const {
    return position >= 0 && position < List2.size() ? List2[position] : QString();
}
