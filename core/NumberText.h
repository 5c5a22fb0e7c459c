// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <QString>

#include <cstdint>
#include <optional>

// Text of a number in the general format: at most 15 significant digits,
// trailing zeros dropped, no separator for whole values; fixed notation when
// at most 15 digits stand before the separator and the magnitude is at least
// 0.00001 (or the value is zero), else scientific with "E" and the shortest
// exponent ("-1.25E-8", "1E15").
QString FloatToStrGeneral(double value, const QString& decimalPoint);
// The same with the decimal separator of the user's regional settings.
QString FloatToStr(double value);

// A number for people to read, in a picture, a printout or the
// presentation: rounded to at most `decimals` decimals (halves away from
// zero), trailing zeros and a bare separator dropped, `separator` between
// the whole part and the decimals, a minus sign (U+2212) before a negative
// value that does not round to zero. Infinite or not-a-number values give
// an empty text: the caller words them.
QString NumberForPeople(double value, int decimals, QChar separator);
// The decimal separator of a language: a comma in Catalan and Spanish, a
// point in English.
QChar DecimalSeparator(TLanguage language);
// A position (at most one decimal) and a magnification (at most two) in a
// language.
QString PositionForPeople(double value, TLanguage language);
QString MagnificationForPeople(double value, TLanguage language);

// A whole number typed by the user: leading spaces, then an optional sign
// and decimal digits in the 32-bit range, or "$" and at most 8 hexadecimal
// digits (from $80000000 on negative), up to the end of the text.
std::optional<std::int32_t> ParseInteger(const QString& text);
// ParseInteger, refusing anything else with the RunError
// "'<text>' is not a valid integer value".
std::int32_t StrToInt(const QString& text);
