// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include "Windows1252.h"
#include "model/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

} // namespace

CatalogueFields::CatalogueFields(QByteArray fileBytes) : bytes_(std::move(fileBytes)) {
    if (bytes_.size() > qsizetype(UINT32_MAX)) bytes_.clear(); // the starts would not fit
    const char* const data = bytes_.constData();
    const char* const end = data + bytes_.size();
    // Room for every field at once: growing the list step by step would copy
    // and touch several times its memory.
    const size_t most = size_t(kCatalogueFigureLimit) * kFieldsPerFigure;
    starts_.reserve(
        std::min(most, size_t(std::count(data, end, ',') + std::count(data, end, '\n') + 1)));
    for (const char* line = data; line < end && starts_.size() < most;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        if (!lineEnd) lineEnd = end;
        if (std::find_if_not(line, lineEnd, [](char ch) { return isBlank(ch); }) != lineEnd) {
            starts_.push_back(uint32_t(line - data)); // a line of blanks holds no field
            bool inQuotes = false;
            for (const char* ch = line; ch < lineEnd && starts_.size() < most; ++ch) {
                if (*ch == '"')
                    inQuotes = !inQuotes;
                else if (*ch == ',' && !inQuotes)
                    starts_.push_back(uint32_t(ch + 1 - data));
            }
        }
        line = lineEnd + 1;
    }
}

qsizetype CatalogueFields::longFields() const {
    qsizetype count = 0;
    for (size_t i = 0; i < starts_.size(); ++i) {
        const size_t next = i + 1 < starts_.size() ? starts_[i + 1] : size_t(bytes_.size());
        // Only a long stretch of the file can hold a long field.
        if (next - starts_[i] > size_t(kFieldCharLimit) &&
            fieldAt(bytes_, starts_[i]).size() > kFieldCharLimit)
            ++count;
    }
    return count;
}

QString CatalogueFields::recordText(qsizetype first) const {
    return mid(first, kFieldsPerFigure).join(u'\n');
}

void CatalogueFields::appendRecords(const CatalogueFields& other,
                                    const std::function<bool(qsizetype)>& keep) {
    if (other.isEmpty()) return;
    // Every padding field starts at this line end, where an empty field ends.
    const auto blank = uint32_t(bytes_.size());
    bytes_ += '\n';
    while (starts_.size() % kFieldsPerFigure != 0)
        starts_.push_back(blank);
    const auto offset = uint32_t(bytes_.size());
    bytes_ += other.bytes_;
    for (size_t first = 0; first < other.starts_.size(); first += kFieldsPerFigure) {
        if (keep && !keep(qsizetype(first))) continue;
        const size_t end = std::min(first + kFieldsPerFigure, other.starts_.size());
        for (size_t i = first; i < end; ++i)
            starts_.push_back(other.starts_[i] + offset);
    }
}

QString CatalogueFields::value(qsizetype i) const {
    if (i < 0 || i >= size()) return {};
    QByteArrayView field = fieldAt(bytes_, starts_[size_t(i)]);
    field.truncate(std::min(kFieldCharLimit, field.size()));
    return decodeWindows1252(QByteArray::fromRawData(field.data(), field.size()));
}

QStringList CatalogueFields::mid(qsizetype first, qsizetype count) const {
    QStringList fields;
    for (qsizetype i = first; i < first + count && i < size(); ++i)
        fields.append(value(i));
    return fields;
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

QByteArray recordPadding(qsizetype fieldCount) {
    const qsizetype missing = (kFieldsPerFigure - fieldCount % kFieldsPerFigure) % kFieldsPerFigure;
    QByteArray padding;
    for (qsizetype i = 0; i < missing; ++i)
        padding += i % 2 == 0 && i + 1 < missing ? "0," : "0\r\n";
    return padding;
}
