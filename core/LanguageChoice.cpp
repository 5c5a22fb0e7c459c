// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LanguageChoice.h"

#include "core/IniSetting.h"

#include <algorithm>

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

std::optional<TLanguage> LanguageInSettings(QByteArrayView bytes) {
    const std::optional<QByteArray> code = IniValue(bytes, LanguageSettingKey);
    return code ? LanguageFromCode(QString::fromLatin1(*code)) : std::nullopt;
}

QByteArray SettingsWithLanguage(QByteArrayView bytes, TLanguage language) {
    return IniWithValue(bytes, LanguageSettingKey, LanguageCode(language).toLatin1());
}
