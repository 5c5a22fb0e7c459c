// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the conversion of the position field's text into a
// whole number, checked against a second conversion written here from the
// rules alone, with a different shape: the text is cut into its parts first
// and the parts are judged afterwards.
//
// Every input is tried twice: as UTF-8 (what a user can type) and as raw
// UTF-16LE units (any text a field can hold, lone surrogates included).

#include "core/NumberText.h"
#include "core/RunError.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Broken(const char* what, int line, const QString& text,
                         const QString& detail = {}) {
    std::fprintf(stderr, "IntegerTextFuzzer:%d: broken: %s\n  text (UTF-16 units):", line, what);
    for (const QChar c : text)
        std::fprintf(stderr, " %04X", c.unicode());
    std::fprintf(stderr, "\n");
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", qPrintable(detail));
    std::abort();
}

#define CHECK(cond, text)                                                                          \
    do {                                                                                           \
        if (!(cond))                                                                               \
            Broken(#cond, __LINE__, text);                                                         \
    } while (false)

QString Show(std::optional<std::int32_t> value) {
    return value ? QString::number(*value) : QStringLiteral("refused");
}

bool AllOf(QStringView s, QStringView allowed) {
    for (const QChar c : s) {
        if (!allowed.contains(c))
            return false;
    }
    return true;
}

// The rules: leading spaces only; then "$" and one to eight hexadecimal
// digits, read as the 32 bits of the value; or an optional sign and decimal
// digits whose value lies in the 32-bit signed range. Nothing may follow.
std::optional<std::int32_t> Reference(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    const QStringView rest = QStringView(text).mid(start);

    if (rest.startsWith(u'$')) {
        const QStringView hex = rest.mid(1);
        if (hex.isEmpty() || hex.size() > 8 || !AllOf(hex, u"0123456789abcdefABCDEF"))
            return std::nullopt;
        const std::uint32_t bits = hex.toString().toUInt(nullptr, 16);
        // Two's complement: from $80000000 on the value is negative.
        const std::int64_t value = bits >= 0x80000000U ? std::int64_t(bits) - 0x100000000LL : bits;
        return static_cast<std::int32_t>(value);
    }

    const bool negative = rest.startsWith(u'-');
    const QStringView digits = rest.startsWith(u'-') || rest.startsWith(u'+') ? rest.mid(1) : rest;
    if (digits.isEmpty() || !AllOf(digits, u"0123456789"))
        return std::nullopt;
    // Compare magnitudes as digit strings, so no arithmetic can overflow.
    std::string magnitude = digits.toString().toStdString();
    magnitude.erase(0, std::min(magnitude.find_first_not_of('0'), magnitude.size() - 1));
    const std::string limit = negative ? "2147483648" : "2147483647";
    if (magnitude.size() > limit.size() || (magnitude.size() == limit.size() && magnitude > limit))
        return std::nullopt;
    const long long value = std::stoll(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

void Check(const QString& text) {
    const std::optional<std::int32_t> expected = Reference(text);
    const std::optional<std::int32_t> actual = ParseInteger(text);
    if (actual != expected)
        Broken("ParseInteger differs from the rules", __LINE__, text,
               QStringLiteral("ParseInteger: %1, the rules: %2").arg(Show(actual), Show(expected)));

    // The entry the window converts: the value, or the error naming the
    // field's whole text. The message is compared as far as C text can
    // carry it, up to a NUL the field may hold.
    const std::string message =
        (QStringLiteral("'") + text + QStringLiteral("' is not a valid integer value"))
            .toStdString();
    try {
        const std::int32_t value = StrToInt(text);
        CHECK(expected && value == *expected, text);
    } catch (const RunError& e) {
        CHECK(!expected, text);
        CHECK(std::string_view(e.what()) == std::string_view(message.c_str()), text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    Check(QString::fromUtf8(bytes, static_cast<qsizetype>(size)));
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < size / 2; ++i)
        units[static_cast<qsizetype>(i)] =
            QChar(static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8));
    Check(units);
    return 0;
}
