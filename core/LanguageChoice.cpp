// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LanguageChoice.h"

#include <algorithm>
#include <utility>

std::optional<TLanguage> LanguageFromCode(const QString& code) {
    for (std::size_t i = 0; i < LangCount; ++i) {
        if (code == QLatin1String(LanguageCodes[i]))
            return static_cast<TLanguage>(i);
    }
    return std::nullopt;
}

QString LanguageCode(TLanguage language) {
    return language < LangCount ? QLatin1String(LanguageCodes[language]) : QString();
}

TLanguage LanguageOfLocale(const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty())
        return LangSpanish;
    // Only the language itself counts: the region, the script, the variant
    // ("valencia") and the encoding all name a form of the same language.
    const QString first = uiLanguages.front().toLower();
    // A loop, not a regular expression: the expression engine would be
    // loaded at every start for this one search.
    const auto end = std::find_if(first.cbegin(), first.cend(), [](QChar c) {
        return c == u'-' || c == u'_' || c == u'@' || c == u'.';
    });
    return LanguageFromCode(first.left(end - first.cbegin())).value_or(LangSpanish);
}

TLangOption LangOption(const QStringList& arguments) {
    static const QString Name = QStringLiteral("--lang");
    TLangOption option;
    // The first argument is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        QString value;
        if (a == Name) {
            if (i + 1 >= arguments.size())
                return {std::nullopt, false, QString()};
            value = arguments[++i];
        } else if (a.startsWith(Name + u'=')) {
            value = a.mid(Name.size() + 1);
        } else if (a == QLatin1String("--")) {
            break; // what follows is not an option
        } else {
            continue;
        }
        option.language = LanguageFromCode(value);
        if (!option.language)
            return {std::nullopt, false, value};
    }
    return option;
}

TLanguage ChooseLanguage(std::optional<TLanguage> commandLine, std::optional<TLanguage> saved,
                         const QStringList& uiLanguages) {
    if (commandLine)
        return *commandLine;
    if (saved)
        return *saved;
    return LanguageOfLocale(uiLanguages);
}

namespace {

// One line of an INI file, its end left off.
struct TIniLine {
    QByteArrayView text;
    qsizetype next; // where the line after it starts
};

TIniLine LineAt(QByteArrayView bytes, qsizetype from) {
    qsizetype end = bytes.indexOf('\n', from);
    const qsizetype next = end < 0 ? bytes.size() : end + 1;
    if (end < 0)
        end = bytes.size();
    const qsizetype length = end > from && bytes[end - 1] == '\r' ? end - from - 1 : end - from;
    return {bytes.sliced(from, length), next};
}

// A section header's effect: whether the lines after it are in [General].
std::optional<bool> HeaderIsGeneral(QByteArrayView line) {
    const QByteArrayView t = line.trimmed();
    if (!t.startsWith('[') || !t.endsWith(']'))
        return std::nullopt;
    return t == "[General]";
}

// The value of a "language=..." line, if the line is one.
std::optional<QByteArrayView> LanguageValue(QByteArrayView line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.first(eq).trimmed() != LanguageSettingKey)
        return std::nullopt;
    QByteArrayView value = line.sliced(eq + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<TLanguage> LanguageInSettings(QByteArrayView bytes) {
    std::optional<TLanguage> found;
    bool general = true; // lines before any header are [General]'s
    for (qsizetype at = 0; at < bytes.size();) {
        const TIniLine line = LineAt(bytes, at);
        at = line.next;
        if (const std::optional<bool> header = HeaderIsGeneral(line.text))
            general = *header;
        else if (general)
            if (const std::optional<QByteArrayView> value = LanguageValue(line.text))
                found = LanguageFromCode(QString::fromLatin1(*value));
    }
    return found;
}

QByteArray SettingsWithLanguage(QByteArrayView bytes, TLanguage language) {
    const QByteArray setting =
        QByteArray(LanguageSettingKey) + '=' + LanguageCode(language).toLatin1() + '\n';
    QByteArray out;
    bool general = true;
    bool placed = false;
    for (qsizetype at = 0; at < bytes.size();) {
        const TIniLine line = LineAt(bytes, at);
        const QByteArrayView whole = bytes.sliced(at, line.next - at);
        at = line.next;
        if (const std::optional<bool> header = HeaderIsGeneral(line.text)) {
            general = *header;
        } else if (general && LanguageValue(line.text)) {
            if (!std::exchange(placed, true))
                out += setting;
            continue;
        }
        out += whole;
    }
    if (placed)
        return out;
    return "[General]\n" + setting + (out.isEmpty() ? QByteArray() : '\n' + out);
}
