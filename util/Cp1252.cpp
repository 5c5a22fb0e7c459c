// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Cp1252.h"

#include <array>

namespace {

// 0x80 to 0x9F, the only range where the code page departs from Latin-1.
// The undefined bytes keep their own number as a C1 control character.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

} // namespace

char16_t Cp1252Char(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> Cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    // Characters 0x80-0x9F that are not one of the five kept controls have
    // no byte: their byte numbers belong to other characters.
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QString Cp1252Decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(Cp1252Char(static_cast<unsigned char>(bytes[i])));
    return text;
}

qsizetype Cp1252FirstUnencodable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!Cp1252Byte(text[i].unicode()))
            return i;
    }
    return -1;
}

std::optional<QByteArray> Cp1252Encode(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = Cp1252Byte(text[i].unicode());
        if (!byte)
            return std::nullopt;
        bytes[i] = static_cast<char>(*byte);
    }
    return bytes;
}
