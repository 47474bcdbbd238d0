#include "base/cp1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five bytes without a character,
// which we map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        char16_t mapped = kHighTable[byte - 0x80];
        return mapped ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

char byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == c || (kHighTable[i] == 0 && c == 0x80 + i)) return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(byteOf(c.unicode()));
    return out;
}

QString fromCp1252(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(QChar(codePointOf(static_cast<unsigned char>(b))));
    return out;
}
