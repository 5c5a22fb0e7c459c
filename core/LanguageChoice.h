// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

#include <QByteArray>
#include <QByteArrayView>

// The language a start begins in: the command line's --lang first, then the
// language the user last picked in the menu, then the desktop's. A school
// that has picked nothing, on a Spanish or C desktop, gets Spanish.

// A language's code, "ca", "en", "es", "gl" or one added since (the values
// of --lang and of the saved choice); nothing for any other text.
std::optional<TLanguage> LanguageFromCode(const QString& code);
// The code LanguageFromCode reads back.
QString LanguageCode(TLanguage language);

// The desktop's preferred language, as QLocale::uiLanguages() lists them
// (first preferred): Catalan, Valencian included ("ca", "ca-ES",
// "ca-ES-valencia", "ca_ES@valencia"), gives Catalan, English English,
// Galician Galician, and so each language the program speaks; anything else,
// the C locale and an empty list included, gives Spanish.
TLanguage LanguageOfLocale(const QStringList& uiLanguages);

// The command line's "--lang ca|en|es|gl" (or "--lang=ca"); the last one given
// counts. valid is false, with the text given, for any other value or a
// "--lang" without one.
struct TLangOption {
    std::optional<TLanguage> language;
    bool valid = true;
    QString given;
};
TLangOption LangOption(const QStringList& arguments);

TLanguage ChooseLanguage(std::optional<TLanguage> commandLine, std::optional<TLanguage> saved,
                         const QStringList& uiLanguages);

// The settings file keeps the choice as a QSettings INI file would:
// "language=ca" in its [General] section (or before any section).
inline constexpr char SettingsOrganization[] = "Vexaria";
inline constexpr char SettingsApplication[] = "vexaria";
inline constexpr char LanguageSettingKey[] = "language";

// The choice an INI file's bytes hold; nothing when none is kept or it is
// not one of the three codes. The last one given counts.
std::optional<TLanguage> LanguageInSettings(QByteArrayView bytes);
// The file's bytes with the choice set: every other line as it was, the
// one choice in place of those there were.
QByteArray SettingsWithLanguage(QByteArrayView bytes, TLanguage language);
