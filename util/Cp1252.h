// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Windows-1252, the single-byte code page of the tool list file. Files
// written by earlier versions of the program hold their text in it, so it is
// read and written here byte for byte, never through UTF-8 or the locale.
//
// Every byte has a character: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control characters of the
// same number, so any file decodes and encodes back to the same bytes.

// The character a byte stands for.
char16_t Cp1252Char(unsigned char byte);

// The byte that stands for a character, or nothing if the code page has none.
std::optional<unsigned char> Cp1252Byte(char16_t c);

// Decodes bytes: one UTF-16 unit per byte, so lengths are kept.
QString Cp1252Decode(QByteArrayView bytes);

// Position of the first UTF-16 unit of text that the code page cannot hold
// (a character outside it, or either half of a surrogate pair), or -1.
qsizetype Cp1252FirstUnencodable(QStringView text);

// Encodes text, one byte per character; nothing if any character cannot be
// encoded, so text is never altered on its way out.
std::optional<QByteArray> Cp1252Encode(QStringView text);
