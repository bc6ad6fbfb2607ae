// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "catalogue/GameFiles.h"
#include "ui/FormTallacor.h"
#include "ui/Platform.h"

#include <QDebug>
#include <QFileInfo>
#include <algorithm>

// The instructions open in the desktop's own program for web pages; the game
// goes on meanwhile.
void Form1::MnuComo_Click() {
    const QStringList places = helpCandidates(gameFolders());
    const auto found = std::find_if(places.begin(), places.end(),
                                    [](const QString& path) { return QFileInfo(path).isFile(); });
    if (found == places.end()) {
        qWarning().noquote() << "Sietari: no help page; looked at:"
                             << places.join(QStringLiteral(", "));
        return;
    }
    const QFileInfo page(*found);
    platform_.openWithDesktop(page.fileName(), page.absolutePath());
}

void Form1::MnuAbout_Click() {
    FormTallacor about(this, platform_);
    platform_.runModal(&about);
}
