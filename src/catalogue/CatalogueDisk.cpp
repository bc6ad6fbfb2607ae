// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and appending the catalogue file with the system's own calls, so
// that every refusal keeps its exact reason and nothing ever waits on a file
// that is not a regular one.
#include "CatalogueFile.h"

#include "SystemReasons.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Opening never waits: O_NONBLOCK returns at once from a FIFO nobody writes.
int openWithoutWaiting(const QString& path, int flags) {
    return ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0644);
}

bool isRegular(int fd, off_t* size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    *size = info.st_size;
    return true;
}

// Up to `size` bytes from the start; fewer when the file shrank meanwhile.
bool readUpTo(int fd, qsizetype size, QByteArray* bytes) {
    bytes->resize(size);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes->data() + done, size_t(size - done), done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += got;
    }
    bytes->truncate(done);
    return true;
}

// A write the kernel takes only in part is no error yet; the next one says
// why (a full disk, a size limit), and that is the reason the player reads.
bool writeAllAt(int fd, const QByteArray& bytes, off_t at) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), at + off_t(done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

// What is wrong with a catalogue that was read, for the one line that says so.
QString damage(const CatalogueFields& fields, bool cutShort) {
    if (cutShort || fields.size() == kCatalogueFigureLimit * kFieldsPerFigure)
        return QStringLiteral("too large; only its first %1 figures or %2 MB are read")
            .arg(kCatalogueFigureLimit)
            .arg(kCatalogueByteLimit >> 20);
    if (const qsizetype cut = fields.longFields())
        return QStringLiteral("%1 fields longer than %2 characters are cut")
            .arg(cut)
            .arg(kFieldCharLimit);
    if (fields.size() % kFieldsPerFigure != 0)
        return QStringLiteral("damaged: its last figure lacks %1 of its %2 fields")
            .arg(kFieldsPerFigure - fields.size() % kFieldsPerFigure)
            .arg(kFieldsPerFigure);
    return {};
}

} // namespace

bool readCatalogueFile(const QString& path, CatalogueFields* fields, QString* problem) {
    fields->clear();
    QString unused;
    QString& said = problem ? *problem : unused;
    said.clear();
    const Descriptor file(openWithoutWaiting(path, O_RDONLY));
    off_t size = 0;
    if (file.get() < 0) {
        // No file is no problem, the next place is looked at; a dangling link is one.
        if (errno != ENOENT || QFileInfo(path).isSymLink())
            said = QStringLiteral("cannot be read: %1").arg(qt_error_string(errno));
        return false;
    }
    if (!isRegular(file.get(), &size)) {
        said = QStringLiteral("is not a regular file");
        return false;
    }
    QByteArray bytes;
    const bool cutShort = size > kCatalogueByteLimit;
    if (!readUpTo(file.get(), qsizetype(std::min<off_t>(size, kCatalogueByteLimit)), &bytes)) {
        said = QStringLiteral("cannot be read: %1").arg(qt_error_string(errno));
        return false;
    }
    if (cutShort) bytes.truncate(bytes.lastIndexOf('\n') + 1); // whole lines only
    *fields = CatalogueFields(std::move(bytes));
    said = damage(*fields, cutShort);
    return !fields->isEmpty();
}

bool appendFigureRecord(const QString& path, const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty()) return fail(error, QStringLiteral("No hay nada que guardar."));
    bool created = false;
    int fd = openWithoutWaiting(path, O_RDWR);
    if (fd < 0 && errno == ENOENT) {
        fd = openWithoutWaiting(path, O_RDWR | O_CREAT | O_EXCL);
        created = fd >= 0;
    }
    const Descriptor file(fd);
    if (fd < 0)
        return fail(error,
                    QStringLiteral("No se puede abrir %1: %2.").arg(path, systemReason(errno)));
    off_t oldSize = 0;
    if (!isRegular(fd, &oldSize))
        return fail(
            error, QStringLiteral("No se puede guardar en %1: no es un archivo normal.").arg(path));

    QByteArray written;
    char last = '\n';
    if (oldSize > 0 && ::pread(fd, &last, 1, oldSize - 1) != 1)
        return fail(error,
                    QStringLiteral("No se puede leer %1: %2.").arg(path, systemReason(errno)));
    if (last != '\n') written = "\r\n";
    written += bytes;
    if (writeAllAt(fd, written, oldSize) && ::fsync(fd) == 0) return true;

    QString message =
        QStringLiteral("No se pudo guardar en %1: %2.").arg(path, systemReason(errno));
    if (created) {
        ::unlink(QFile::encodeName(path).constData());
    } else if (::ftruncate(fd, oldSize) != 0 || ::fsync(fd) != 0) {
        message +=
            QStringLiteral(" Además, no se pudo devolver el archivo a su tamaño anterior: %1.")
                .arg(systemReason(errno));
    }
    return fail(error, message);
}
