// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/GameFiles.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/SaveLock.h"
#include "catalogue/SystemReasons.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <csignal>

const QString kCatalogueName = QStringLiteral("Sietari.dat");
const QString kHelpName = QStringLiteral("Instrucciones.htm");

namespace {
QStringList inEach(const QStringList& folders, const QString& name) {
    QStringList paths;
    for (const QString& folder : folders)
        if (!folder.isEmpty()) paths << QDir(folder).filePath(name);
    return paths;
}

bool canWrite(const QString& path) {
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

bool makeFolderOf(const QString& path, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (QDir().mkpath(folder)) return true;
    const int why = QFileInfo(folder).exists() ? ENOTDIR : errno ? errno : EACCES;
    return fail(
        error,
        QStringLiteral("No se puede crear la carpeta %1: %2.").arg(folder, systemReason(why)));
}

bool holdsName(const CatalogueFields& fields, const QString& name) {
    for (qsizetype i = 0; i < fields.size(); i += kFieldsPerFigure)
        if (fields[i] == name) return true;
    return false;
}

// Under the lock: what the file holds now, which a second game may have
// added to since it was read.
bool appendInStep(const QString& target, const QString& name, const QByteArray& record,
                  QString* error) {
    CatalogueFields fields;
    QString problem;
    readCatalogueFile(target, &fields, &problem);
    if (fields.size() >= kCatalogueFigureLimit * kFieldsPerFigure ||
        QFileInfo(target).size() > kCatalogueByteLimit)
        return fail(error,
                    QStringLiteral("%1 ya es demasiado grande para añadirle figuras.").arg(target));
    if (holdsName(fields, name))
        return fail(error, QStringLiteral("Acaban de guardar otra figura llamada %1 en %2; "
                                          "elige otro nombre.")
                               .arg(name, target));
    return appendFigureRecord(target, recordPadding(fields.size()) + record, error);
}
} // namespace

QStringList catalogueCandidates(const GameFolders& folders) {
    return inEach(QStringList{folders.program} + folders.shared, kCatalogueName);
}

QString playerCatalogue(const GameFolders& folders) {
    return inEach({folders.user}, kCatalogueName).value(0);
}

QStringList helpCandidates(const GameFolders& folders) {
    return inEach(QStringList{folders.program} + folders.shared, kHelpName);
}

QString saveTarget(const QString& readPath, const GameFolders& folders) {
    const QFileInfo read(readPath);
    const bool besideProgram =
        !readPath.isEmpty() && !folders.program.isEmpty() &&
        read.canonicalPath() == QFileInfo(folders.program).canonicalFilePath();
    return besideProgram && canWrite(readPath) ? readPath : playerCatalogue(folders);
}

bool saveFigureRecord(const QString& target, const QString& name, const QByteArray& record,
                      QString* error) {
    // A size limit (a quota, ulimit -f) then fails the write with a reason
    // instead of ending the game in the middle of a save. Only regular files
    // are written, so no write can raise SIGPIPE.
    std::signal(SIGXFSZ, SIG_IGN);
    if (target.isEmpty())
        return fail(error, QStringLiteral("No se puede escribir en el catálogo y no hay carpeta "
                                          "personal donde guardar tus figuras."));
    if (!makeFolderOf(target, error)) return false;
    QLockFile lock(target + QStringLiteral(".lock"));
    return takeSaveLock(lock, target, error) && appendInStep(target, name, record, error);
}
