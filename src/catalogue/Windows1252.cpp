// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

namespace {

// Bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

char16_t codeOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

bool byteOfCode(char16_t code, char* byte) {
    // Latin-1 outside 0x80..0x9F; inside it only the table's own entries, so
    // that U+0080 and friends, which 1252 gives away to other characters, are
    // refused instead of turning into something else on the way back.
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        *byte = static_cast<char>(code);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == code) {
            *byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* dest = text.data();
    for (const char byte : bytes)
        *dest++ = QChar(codeOfByte(static_cast<unsigned char>(byte)));
    return text;
}

bool encodeWindows1252(const QString& text, QByteArray* out) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* dest = bytes.data();
    // Surrogates never match a table entry, so characters beyond the BMP
    // fail here without any special case.
    for (const QChar ch : text) {
        if (!byteOfCode(ch.unicode(), dest++)) {
            if (out) out->clear();
            return false;
        }
    }
    if (out) *out = bytes;
    return true;
}
