// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include "core/Language.h"
#include "core/RunError.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Precision = 15;

int HexDigit(char16_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

QString FloatToStrGeneral(double value, const QString& decimalPoint) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    // Negative zero is shown as zero.
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    // Round to 15 significant digits first: the choice of notation depends on
    // the rounded value (9.99999999999999999E14 becomes 1E15).
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, Precision - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    QString digits =
        QString::fromLatin1(text.substr(0, 1)) + QString::fromLatin1(text.substr(2, e - 2));
    const int exp10 = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
    }

    QString out = value < 0 ? QStringLiteral("-") : QString();
    // exp10 is the exponent of the first digit: 15 digits before the
    // separator give 14, 0.00001 gives -5.
    if (exp10 < Precision && exp10 >= -5) {
        if (exp10 >= 0) {
            const qsizetype intDigits = exp10 + 1;
            if (digits.size() <= intDigits) {
                out += digits + QString(intDigits - digits.size(), QLatin1Char('0'));
            } else {
                out += digits.left(intDigits) + decimalPoint + digits.mid(intDigits);
            }
        } else {
            out += QLatin1Char('0') + decimalPoint + QString(-exp10 - 1, QLatin1Char('0')) + digits;
        }
        return out;
    }
    out += digits.left(1);
    if (digits.size() > 1) {
        out += decimalPoint + digits.mid(1);
    }
    out += QLatin1Char('E') + QString::number(exp10);
    return out;
}

QString FloatToStr(double value) {
    return FloatToStrGeneral(value, QLocale::system().decimalPoint());
}

std::optional<std::int32_t> ParseInteger(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' ')) {
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('$')) {
        ++i;
        const qsizetype first = i;
        std::uint32_t v = 0;
        for (; i < n; ++i) {
            const int d = HexDigit(text[i].unicode());
            if (d < 0 || i - first >= 8) {
                return std::nullopt;
            }
            v = v * 16 + static_cast<std::uint32_t>(d);
        }
        if (i == first) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(v);
    }
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype first = i;
    std::int64_t v = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
        // Past the range already: further digits only make it larger.
        if (v > 2147483648LL) {
            return std::nullopt;
        }
    }
    if (i == first) {
        return std::nullopt;
    }
    if (negative) {
        v = -v;
    }
    if (v > 2147483647LL) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

std::int32_t StrToInt(const QString& text) {
    if (const auto v = ParseInteger(text)) {
        return *v;
    }
    throw RunError(LangCaption({"RunError",
                                QT_TRANSLATE_NOOP("RunError", "'%1' is not a valid integer value")})
                       .arg(text)
                       .toStdString());
}

QString NumberForPeople(double value, int decimals, QChar separator) {
    if (!std::isfinite(value)) {
        return {};
    }
    decimals = std::clamp(decimals, 0, 6);
    char buf[400];
    // Halves away from zero, on the decimal value people see: 2.25 gives
    // 2.3 however the double falls.
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::round(std::fabs(value) * scale * (1 + 1e-12));
    const auto res =
        std::to_chars(buf, buf + sizeof buf, scaled / scale, std::chars_format::fixed, decimals);
    QString text = QString::fromLatin1(buf, res.ptr - buf);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    text.replace(QLatin1Char('.'), separator);
    if (value < 0 && scaled != 0) {
        text.prepend(QChar(0x2212));
    }
    return text;
}

QChar DecimalSeparator(TLanguage language) {
    return language == LangEnglish ? QLatin1Char('.') : QLatin1Char(',');
}

QString PositionForPeople(double value, TLanguage language) {
    return NumberForPeople(value, 1, DecimalSeparator(language));
}

QString MagnificationForPeople(double value, TLanguage language) {
    return NumberForPeople(value, 2, DecimalSeparator(language));
}
