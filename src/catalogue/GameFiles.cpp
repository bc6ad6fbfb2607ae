// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/GameFiles.h"

#include "catalogue/CatalogueFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

const QString kCatalogueName = QStringLiteral("Sietari.dat");
const QString kHelpName = QStringLiteral("Instrucciones.htm");

namespace {
constexpr int kLockWaitMs = 10000;

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

bool fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

bool takeLock(QLockFile& lock, const QString& path, QString* error) {
    if (lock.tryLock(kLockWaitMs)) return true;
    if (lock.error() == QLockFile::LockFailedError)
        return fail(error, QStringLiteral("Otra copia de Sietari está guardando en %1.").arg(path));
    return fail(error, QStringLiteral("No se puede bloquear %1 para escribir en él.").arg(path));
}

// The whole catalogue, written under a temporary name and renamed, so that a
// half copy never stands where the game reads.
bool copyCatalogue(const QString& from, const QString& to, QString* error) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fail(error,
                    QStringLiteral("No se puede leer %1: %2").arg(from, source.errorString()));
    const QByteArray bytes = source.readAll();
    QSaveFile copy(to);
    if (copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size() && copy.commit())
        return true;
    return fail(error, QStringLiteral("No se puede crear %1: %2").arg(to, copy.errorString()));
}

bool appendLocked(const QString& path, const QByteArray& record, QString* error) {
    QLockFile lock(path + QStringLiteral(".lock"));
    return takeLock(lock, path, error) && appendFigureRecord(path, record, error);
}

// The player's copy of a catalogue they cannot write, made under the same lock
// as the append so that two games saving at once make it only once.
bool appendToCopy(const QString& readPath, const QString& copyPath, const QByteArray& record,
                  QString* error) {
    if (!QDir().mkpath(QFileInfo(copyPath).absolutePath()))
        return fail(error, QStringLiteral("No se puede crear la carpeta %1.")
                               .arg(QFileInfo(copyPath).absolutePath()));
    QLockFile lock(copyPath + QStringLiteral(".lock"));
    if (!takeLock(lock, copyPath, error)) return false;
    const bool made = !QFileInfo::exists(copyPath);
    if (made && !copyCatalogue(readPath, copyPath, error)) return false;
    if (appendFigureRecord(copyPath, record, error)) return true;
    if (made) QFile::remove(copyPath);
    return false;
}
} // namespace

QStringList catalogueCandidates(const GameFolders& folders) {
    return inEach(QStringList{folders.user, folders.program} + folders.shared, kCatalogueName);
}

QStringList helpCandidates(const GameFolders& folders) {
    return inEach(QStringList{folders.program} + folders.shared, kHelpName);
}

QString saveFigureRecord(const QString& readPath, const QString& userFolder,
                         const QByteArray& record, QString* error) {
    const QString copyPath = QDir(userFolder).filePath(kCatalogueName);
    const bool inPlace = canWrite(readPath) || QFileInfo(readPath) == QFileInfo(copyPath);
    if (!inPlace && userFolder.isEmpty()) {
        fail(error, QStringLiteral("No se puede escribir en %1 y no hay carpeta personal donde "
                                   "guardar una copia.")
                        .arg(readPath));
        return {};
    }
    const QString target = inPlace ? readPath : copyPath;
    const bool saved = inPlace ? appendLocked(readPath, record, error)
                               : appendToCopy(readPath, copyPath, record, error);
    return saved ? target : QString();
}
