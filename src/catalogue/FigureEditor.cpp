// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form1.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/GameFiles.h"
#include "ui/Platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QListWidget>
#include <QMenu>

// Runs after the menu has toggled its check mark: the editor follows it.
void Form1::MnuEdit_Click() {
    if (MnuEdit->isChecked()) {
        switchEditorOn();
        return;
    }
    markEditorFrame(false);
    leaveEditor();
    List1_Click();
}

// The editor composes at the large size with every piece on the board; the
// size is chosen with EditMode already on, so that all seven pieces are
// mirrored into the preview from the start.
void Form1::switchEditorOn() {
    markEditorFrame(true);
    M.EditMode = true;
    MnuEdit->setChecked(true);
    MnuGame->menuAction()->setEnabled(false);
    MnuGuardar->setEnabled(true);
    MnuTam_Click(0);
    List1->setEnabled(false);
    Frame4->setEnabled(false);
    MnuCarPos->setEnabled(false); // the stored position is given up
    for (QAction* size : MnuTam)
        size->setEnabled(false);
    Command3_Click();
}

void Form1::leaveEditor() {
    M.EditMode = false;
    MnuEdit->setChecked(false);
    MnuGame->menuAction()->setEnabled(true);
    MnuGuardar->setEnabled(false);
    List1->setEnabled(true);
    Frame4->setEnabled(true);
    for (QAction* size : MnuTam)
        size->setEnabled(true);
}

// The frame on the board shows where the figure is composed.
void Form1::markEditorFrame(bool on) {
    if (on)
        Shape3->setBorder(kBrightGreen, 2);
    else
        Shape3->setBorder(toBgr(palette().color(QPalette::Window)), 1);
}

void Form1::MnuGuardar_Click() {
    const QString confirm = QStringLiteral(
        "Quieres guardar la figura?.\n\nRecuerda que se grabará la figura del recuadro verde.\n"
        "Comprueba que esté correcta.");
    if (platform_.messageBox(this, confirm, Platform::Icon::Question,
                             Platform::Buttons::OkCancel) != Platform::Answer::Ok)
        return;
    const QString name = askFigureName();
    if (name.isEmpty()) return;

    QString error;
    const QString target = saveTarget(CatalogueFile, gameFolders());
    if (!saveFigureRecord(target, name, buildFigureRecord(name, VertexCopy), &error)) {
        // The editor stays on with the arrangement as it is, to try again.
        platform_.messageBox(this, QStringLiteral("No se pudo guardar la figura.\n") + error,
                             Platform::Icon::Exclamation, Platform::Buttons::Ok);
        return;
    }
    leaveEditor();
    if (!LoadCatalogue()) {
        QCoreApplication::exit(1);
        return;
    }
    const QList<QListWidgetItem*> named = List1->findItems(name, Qt::MatchExactly);
    if (!named.isEmpty()) selectFigure(List1->row(named.last()));
    markEditorFrame(false);
    // Read back, the file must show it: anything else is a save that failed.
    if (named.isEmpty())
        platform_.messageBox(this,
                             QStringLiteral("No se pudo guardar la figura.\n%1 se escribió en %2, "
                                            "pero al leer el catálogo de nuevo no aparece.")
                                 .arg(name, target),
                             Platform::Icon::Exclamation, Platform::Buttons::Ok);
}

namespace {
// Letter by letter, so that a name keeps what the player typed: Qt's upper
// case of a whole text turns ß into SS, a name the player never gave.
QString upperEachLetter(QString name) {
    for (QChar& letter : name)
        letter = letter.toUpper();
    return name;
}
} // namespace

// Asks until the answer is a new name of capitals, Ñ and digits; empty when
// the player gives up.
QString Form1::askFigureName() {
    for (;;) {
        const QString name =
            upperEachLetter(platform_
                                .inputBox(this, QStringLiteral("Introduce el nombre:"),
                                          QStringLiteral("Nueva figura"), QString())
                                .trimmed());
        if (name.isEmpty()) return {};
        QString refusal;
        if (name.size() > kFieldCharLimit)
            refusal = QStringLiteral("El nombre es demasiado largo: como mucho, %1 caracteres.")
                          .arg(kFieldCharLimit);
        else if (!List1->findItems(name, Qt::MatchExactly).isEmpty())
            refusal = QStringLiteral("Ese nombre ya existe.");
        else if (!isFigureName(name))
            refusal = QStringLiteral("Solo letras y números.");
        else
            return name;
        platform_.messageBox(this, refusal, Platform::Icon::Exclamation, Platform::Buttons::Ok);
    }
}
