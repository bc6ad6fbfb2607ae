// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// Sietari.dat: Windows-1252 text, CR LF lines (LF alone is read too), fields
// split by commas and line ends, text fields in double quotes, numbers bare.
// One figure is 57 fields on 29 lines: the quoted name, then one "x,y" line
// per vertex 1..4 of pieces 0..6.
constexpr int kFieldsPerFigure = 57;

// What one file may hold before the rest is left unread: far beyond any
// catalogue a player makes, and small enough that no file, however large or
// damaged, can freeze the game or exhaust its memory while it is read.
constexpr qsizetype kCatalogueByteLimit = qsizetype(128) << 20;
constexpr qsizetype kCatalogueFigureLimit = 250000;
// No field the game writes is longer: a figure's name is at most this, and
// its numbers far shorter. A longer field is damage, and is cut to it.
constexpr qsizetype kFieldCharLimit = 64;

// Every field of the file in order, blanks around each field and enclosing
// quotes removed. A comma inside quotes belongs to the field; a quote left
// open ends at the line end. Lines of blanks hold no field, while an empty
// place between two commas (or a comma and the line end) is an empty field,
// so a damaged line shows up as a miscount rather than being papered over.
// Kept compact for catalogues of many thousand figures: the file's bytes and
// where each field starts; a field is decoded when it is asked for.
class CatalogueFields {
  public:
    CatalogueFields() = default;
    explicit CatalogueFields(QByteArray fileBytes);

    qsizetype size() const { return qsizetype(starts_.size()); }
    bool isEmpty() const { return starts_.empty(); }
    void clear() { *this = CatalogueFields(); }
    // Empty past either end; cut to kFieldCharLimit characters.
    QString value(qsizetype i) const;
    QString operator[](qsizetype i) const { return value(i); }
    QStringList mid(qsizetype first, qsizetype count) const;
    // How many fields are longer than kFieldCharLimit, and so read cut.
    qsizetype longFields() const;
    // The record whose name is field `first`, its fields joined by line ends:
    // two records are the same figure when these are equal.
    QString recordText(qsizetype first) const;
    // The records of `other` after these (those `keep` takes, given the
    // position of a record's name in `other`; all without it), read in step:
    // a last record of these that is short is made whole with empty fields.
    void appendRecords(const CatalogueFields& other,
                       const std::function<bool(qsizetype)>& keep = {});

  private:
    QByteArray bytes_;
    std::vector<uint32_t> starts_;
};

// False, with *fields emptied, when the file is missing, cannot be read or
// holds no field at all. Only a regular file is read, and opening it never
// waits (a FIFO, a device). *problem, when given, is one sentence about a
// file that exists but could not be read whole (unreadable, cut at the limits
// above, an incomplete last record), and empty otherwise.
bool readCatalogueFile(const QString& path, CatalogueFields* fields, QString* problem = nullptr);

// The longest leading decimal number (blanks, optional sign, digits, optional
// period and digits), whatever the locale; 0 when the text starts with none.
// Its size is capped at kCoordinateLimit.
double readLeadingNumber(const QString& field);

// Period separator, no exponent, at most two decimals (a half goes away from
// zero), no trailing zeros, no zero before the point: 41, 12.5, .39, -.5.
// Anything that rounds to zero, and anything not finite, is "0".
QString formatCatalogueNumber(double value);

// A name the editor may give a figure: one or more of A to Z, Ñ and 0 to 9.
bool isFigureName(const QString& name);

// The 29 CR LF lines of one figure: x = VertexCopy[p][v][1] and
// y = VertexCopy[p][v][2] for p = 0..6, v = 1..4. Empty when the name cannot
// be stored: a character without a Windows-1252 byte, a double quote (there is
// no escape for it) or a line end would each corrupt the record or the file.
QByteArray buildFigureRecord(const QString& name, const double VertexCopy[8][5][3]);

// The bare fields that complete the last record of a catalogue of
// `fieldCount` fields, so that a record appended after them starts in step
// (each reads as 0, as the missing fields of a short record already do).
QByteArray recordPadding(qsizetype fieldCount);

// Adds `bytes` at the end of a catalogue, creating the file if there is none,
// in a single write flushed to the disk. A file whose last byte is not a line
// end gets CR LF first so the record starts on its own line. On any failure
// the file is cut back to its former length (a file it created is removed),
// *error says why in Spanish, and the result is false. A size limit fails the
// write instead of ending the game.
bool appendFigureRecord(const QString& path, const QByteArray& bytes, QString* error);
