// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveLock.h"

#include "SystemReasons.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
// A running game holds its lock with a lock of the system's on the file as
// well, so QLockFile never takes over a live lock, however old. Any other lock
// file is taken over once it is this old: a save takes milliseconds.
constexpr int kStaleAfterMs = 1000;
// Longer than that, so a broken lock made a moment ago is taken over too.
constexpr int kWaitMs = 2000;

// The system's reason why the lock file cannot be made: the same steps as
// QLockFile's, done again where the reason can be read.
int whyNoLockFile(const QString& lockPath) {
    const QByteArray native = QFile::encodeName(lockPath);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    const char contents[64] = {};
    const int error = ::write(fd, contents, sizeof contents) == sizeof contents ? 0 : errno;
    ::close(fd);
    ::unlink(native.constData());
    return error;
}

QString whatBlocks(const QLockFile& lock, const QString& lockPath, const QString& path) {
    if (QFileInfo(lockPath).isDir())
        return QStringLiteral("En lugar del archivo de bloqueo %1 hay una carpeta; bórrala para "
                              "poder guardar.")
            .arg(lockPath);
    if (lock.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, program;
        if (lock.getLockInfo(&pid, &host, &program))
            return QStringLiteral("Otra copia de Sietari (proceso %1) está guardando en %2. "
                                  "Vuelve a intentarlo en un momento.")
                .arg(pid)
                .arg(path);
        return QStringLiteral("El archivo de bloqueo %1 no es de ninguna copia de Sietari y no "
                              "se puede quitar.")
            .arg(lockPath);
    }
    const int error = whyNoLockFile(lockPath);
    if (error == 0)
        return QStringLiteral("No se pudo crear el archivo de bloqueo %1. Vuelve a intentarlo.")
            .arg(lockPath);
    return QStringLiteral("No se puede crear el archivo de bloqueo %1: %2.")
        .arg(lockPath, systemReason(error));
}
} // namespace

bool takeSaveLock(QLockFile& lock, const QString& path, QString* error) {
    lock.setStaleLockTime(kStaleAfterMs);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock.tryLock(50)) return true;
        if (lock.error() != QLockFile::LockFailedError || waited.hasExpired(kWaitMs)) break;
        // The player's input waits, so nothing changes under the save.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (error) *error = whatBlocks(lock, lock.fileName(), path);
    return false;
}
