// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include "Windows1252.h"
#include "model/Numbers.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// The CR of a CR LF line end is left on the line and dropped as a blank. Only
// these count: a no-break space at the edge of a quoted name is part of it.
bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r';
}

bool isBlank(QChar ch) {
    return ch.unicode() < 0x80 && isBlank(char(ch.unicode()));
}

bool isAsciiDigit(QChar ch) {
    return ch >= u'0' && ch <= u'9';
}

// A field runs from its start to the first comma outside quotes or the line
// end; blanks around it and enclosing quotes go. What stays is one stretch of
// the file, so the store needs only the starts.
QByteArrayView fieldAt(QByteArrayView bytes, qsizetype start) {
    bool inQuotes = false;
    qsizetype end = start;
    for (; end < bytes.size() && bytes[end] != '\n'; ++end) {
        if (bytes[end] == '"')
            inQuotes = !inQuotes;
        else if (bytes[end] == ',' && !inQuotes)
            break;
    }
    QByteArrayView field = bytes.sliced(start, end - start);
    while (!field.isEmpty() && isBlank(field.front()))
        field = field.sliced(1);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    if (field.startsWith('"')) {
        field = field.sliced(1);
        if (field.endsWith('"')) field.chop(1);
    }
    return field;
}

// A write the kernel takes only in part is no error yet; the next one says
// why (a full disk, a size limit), and that is the reason the player reads.
bool writeAll(QFile& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

bool syncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

} // namespace

CatalogueFields::CatalogueFields(QByteArray fileBytes) : bytes_(std::move(fileBytes)) {
    if (bytes_.size() > qsizetype(UINT32_MAX)) bytes_.clear(); // the starts would not fit
    const char* const data = bytes_.constData();
    const char* const end = data + bytes_.size();
    // Room for every field at once: growing the list step by step would copy
    // and touch several times its memory.
    starts_.reserve(size_t(std::count(data, end, ',') + std::count(data, end, '\n') + 1));
    for (const char* line = data; line < end;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        if (!lineEnd) lineEnd = end;
        if (std::find_if_not(line, lineEnd, [](char ch) { return isBlank(ch); }) != lineEnd) {
            starts_.push_back(uint32_t(line - data)); // a line of blanks holds no field
            bool inQuotes = false;
            for (const char* ch = line; ch < lineEnd; ++ch) {
                if (*ch == '"')
                    inQuotes = !inQuotes;
                else if (*ch == ',' && !inQuotes)
                    starts_.push_back(uint32_t(ch + 1 - data));
            }
        }
        line = lineEnd + 1;
    }
}

QString CatalogueFields::value(qsizetype i) const {
    if (i < 0 || i >= size()) return {};
    const QByteArrayView field = fieldAt(bytes_, starts_[size_t(i)]);
    return decodeWindows1252(QByteArray::fromRawData(field.data(), field.size()));
}

QStringList CatalogueFields::mid(qsizetype first, qsizetype count) const {
    QStringList fields;
    for (qsizetype i = first; i < first + count && i < size(); ++i)
        fields.append(value(i));
    return fields;
}

bool readCatalogueFile(const QString& path, CatalogueFields* fields) {
    fields->clear();
    QFile file(path);
    // Unbuffered: read straight into one block of the file's size.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    *fields = CatalogueFields(std::move(bytes));
    return !fields->isEmpty();
}

double readLeadingNumber(const QString& field) {
    qsizetype i = 0;
    while (i < field.size() && isBlank(field[i]))
        ++i;
    const bool negative = i < field.size() && field[i] == u'-';
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) ++i;

    const qsizetype wholeStart = i;
    while (i < field.size() && isAsciiDigit(field[i]))
        ++i;
    const QStringView whole = QStringView(field).mid(wholeStart, i - wholeStart);

    QStringView fraction;
    if (i + 1 < field.size() && field[i] == u'.' && isAsciiDigit(field[i + 1])) {
        const qsizetype fractionStart = ++i;
        while (i < field.size() && isAsciiDigit(field[i]))
            ++i;
        fraction = QStringView(field).mid(fractionStart, i - fractionStart);
    }
    if (whole.isEmpty() && fraction.isEmpty()) return 0;

    // Rebuilt in the one shape QString::toDouble always accepts, so that
    // "+.5" and "7." read like "0.5" and "7".
    QString plain = whole.isEmpty() ? QStringLiteral("0") : whole.toString();
    if (!fraction.isEmpty()) plain += u'.' + fraction.toString();
    // Saturated, so that no later sum or conversion to whole pixels overflows.
    const double magnitude = std::min(plain.toDouble(), kCoordinateLimit);
    return negative ? -magnitude : magnitude;
}

QString formatCatalogueNumber(double value) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    // 'f' rounds the exact stored value, so 1.115 (really 1.11499...) gives
    // 1.11 where multiplying by 100 first would give 1.12.
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    if (text == u"-0" || text == u"0") return QStringLiteral("0");
    if (text.startsWith(u"0."))
        text.remove(0, 1);
    else if (text.startsWith(u"-0."))
        text.remove(1, 1);
    return text;
}

bool isFigureName(const QString& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar ch) {
        return (ch >= u'A' && ch <= u'Z') || ch == u'\u00D1' || isAsciiDigit(ch);
    });
}

QByteArray buildFigureRecord(const QString& name, const double VertexCopy[8][5][3]) {
    if (name.contains(u'"') || name.contains(u'\r') || name.contains(u'\n')) return {};
    QByteArray encodedName;
    if (!encodeWindows1252(name, &encodedName)) return {};

    QByteArray record;
    record.reserve(encodedName.size() + 4 + 28 * 16);
    record += '"' + encodedName + "\"\r\n";
    for (int p = 0; p <= 6; ++p) {
        for (int v = 1; v <= 4; ++v) {
            record += formatCatalogueNumber(VertexCopy[p][v][1]).toLatin1();
            record += ',';
            record += formatCatalogueNumber(VertexCopy[p][v][2]).toLatin1();
            record += "\r\n";
        }
    }
    return record;
}

bool appendFigureRecord(const QString& path, const QByteArray& record, QString* error) {
    const auto fail = [error](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    if (record.isEmpty()) return fail(QStringLiteral("No hay nada que guardar."));

    QFile file(path);
    // ReadWrite never truncates; Unbuffered leaves nothing in Qt's buffer to
    // be written behind our back after the file has been cut back.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly))
        return fail(QStringLiteral("No se puede abrir %1: %2").arg(path, file.errorString()));

    const qint64 oldSize = file.size();
    QByteArray bytes;
    if (oldSize > 0) {
        char last = 0;
        if (!file.seek(oldSize - 1) || file.read(&last, 1) != 1)
            return fail(QStringLiteral("No se puede leer %1: %2").arg(path, file.errorString()));
        if (last != '\n') bytes = "\r\n";
    }
    bytes += record;

    QString reason;
    if (!file.seek(oldSize)) {
        reason = file.errorString();
    } else if (!writeAll(file, bytes)) {
        reason = file.errorString();
    } else if (!file.flush()) {
        reason = file.errorString();
    } else if (!syncToDisk(file)) {
        reason = qt_error_string(errno);
    } else {
        file.close();
        return true;
    }

    QString message = QStringLiteral("No se pudo guardar en %1: %2").arg(path, reason);
    if (!file.resize(oldSize) || !syncToDisk(file)) {
        message += QStringLiteral(" (y no se pudo devolver el archivo a su tamaño anterior: %1)")
                       .arg(file.errorString());
    }
    return fail(message);
}
