// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/RunError.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

TEST(RandomGenerator, ExactSequenceFromAGivenSeed) {
    // Worked out by hand: seed := seed * 134775813 + 1 (mod 2^32), result := (seed * n) >> 32.
    RandSeed = 12345;
    const std::uint32_t draws[][3] = {{100, 38, 1655067934u}, {60, 17, 1242767767u},
                                      {60, 4, 342459380u},    {20, 11, 2377737157u},
                                      {50, 31, 2721613530u},  {1000000, 341599, 1467157059u}};
    for (const auto& [n, result, seedAfter] : draws) {
        EXPECT_EQ(Random(n), result);
        EXPECT_EQ(RandSeed, seedAfter);
    }
    EXPECT_EQ(SeedFromTimeOfDay(23, 59, 59, 999), 86399999u); // the millisecond of the day
    Randomize();
    EXPECT_LT(RandSeed, 86400000u);
}

// Fixed for up to 15 digits and from 0.00001 on, else scientific; 15 significant digits at most.
TEST(NumberText, GeneralFormatAndIntegerEdges) {
    const std::pair<double, const char*> rows[] = {{-0.0, "0"},
                                                   {40000, "40000"},
                                                   {0.1 + 0.2, "0.3"},
                                                   {-100 / 3.0, "-33.3333333333333"},
                                                   {50 / 3.0, "16.6666666666667"},
                                                   {999999999999999, "999999999999999"},
                                                   {1e-5, "0.00001"},
                                                   {1.23e-5, "0.0000123"},
                                                   {-1.25e-8, "-1.25E-8"},
                                                   {0.000009, "9E-6"},
                                                   {9.999999999999999e14, "1E15"},
                                                   {123456789012345678.0, "1.23456789012346E17"},
                                                   {HUGE_VAL, "INF"},
                                                   {std::nan(""), "NAN"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(FloatToStrGeneral(value, "."), QString(text)) << text;
    EXPECT_EQ(FloatToStrGeneral(-1.25e-8, ","), QStringLiteral("-1,25E-8"));
    EXPECT_EQ(FloatToStr(0.5), QStringLiteral("0.5")); // the separator of LANG=C.UTF-8
    EXPECT_EQ(ParseInteger("000000000000000000040"), 40);
    EXPECT_EQ(ParseInteger("$7fffffff"), 2147483647);
    // Among them, what is typed into the position field by mistake.
    for (const char* text :
         {"+$10", "$000000001", "99999999999999999999", "", " ", "abc", "+", "-", "40 ", "\t40",
          "1.5", "2147483648", "-2147483649", "$", "-$10", "$G", "$123456789", "0x10", "４０"})
        EXPECT_EQ(ParseInteger(text), std::nullopt) << text;
}

// Locale names by the language they give: those a desktop sets in LANG, then others.
const std::tuple<TLanguage, QStringList, QStringList> LocaleRows[] = {
    {LangCatalan,
     {"ca_ES", "ca_ES@valencia"},
     {"ca-ES-valencia", "ca@valencia", "ca", "ca_ES.UTF-8"}},
    {LangEnglish, {"en_GB"}, {"en-US"}},
    {LangSpanish, {"es_ES", "C", "de_DE"}, {"", "cat", "eng", "es_ES.UTF-8", "glg"}},
    {LangGalician, {"gl_ES"}, {"gl", "gl_ES.UTF-8"}}};

TEST(Language, OfTheLocaleTheFirstPreferredCodesReadBackChosenInOrder) {
    for (const auto& [expected, desktop, other] : LocaleRows) {
        for (const QString& name : desktop + other) // a second preference never outweighs it
            EXPECT_EQ(std::pair(LanguageOfLocale({name}), LanguageOfLocale({name, "ca", "en"})),
                      std::pair(expected, expected))
                << name.toStdString();
        for (const QString& name : desktop)
            EXPECT_EQ(LanguageOfLocale(QLocale(name).uiLanguages()), expected)
                << name.toStdString();
    }
    EXPECT_EQ(LanguageOfLocale({}), LangSpanish);
    const std::pair<QString, TLanguage> rows[] = {
        {"ca", LangCatalan}, {"en", LangEnglish}, {"es", LangSpanish}, {"gl", LangGalician}};
    for (const auto& [code, language] : rows)
        EXPECT_EQ(std::pair(LanguageFromCode(code), LanguageCode(language)),
                  std::pair(std::optional(language), code));
    for (const char* bad : {"", "CA", "En", "es_ES", "catalan", "fr", " ca", "ca ", "GL"})
        EXPECT_EQ(LanguageFromCode(QString::fromLatin1(bad)), std::nullopt) << bad;
    EXPECT_EQ(LanguageCode(LangCount), QString());
    // The choice at start: the command line's, then the saved one, then the desktop's.
    const QStringList catalanDesktop{QStringLiteral("ca-ES")};
    EXPECT_EQ(ChooseLanguage(LangEnglish, LangSpanish, catalanDesktop), LangEnglish);
    EXPECT_EQ(ChooseLanguage(LangSpanish, std::nullopt, catalanDesktop), LangSpanish);
    EXPECT_EQ(ChooseLanguage(std::nullopt, LangEnglish, catalanDesktop), LangEnglish);
    EXPECT_EQ(ChooseLanguage(std::nullopt, LangSpanish, catalanDesktop), LangSpanish);
    EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, catalanDesktop), LangCatalan);
    EXPECT_EQ(ChooseLanguage(std::nullopt, std::nullopt, {QStringLiteral("C")}), LangSpanish);
}

TEST(SavedLanguage, ReadAndSetInTheSettingsFilesLinesAndGivenOnTheCommandLine) {
    // Before, the language read, the one set, after.
    const std::tuple<const char*, std::optional<TLanguage>, TLanguage, const char*> cases[] = {
        {"", std::nullopt, LangEnglish, "[General]\nlanguage=en\n"},
        {"[General]\nlanguage=en\n", LangEnglish, LangCatalan, "[General]\nlanguage=ca\n"},
        // As QSettings writes and reads it: spaces, quotes, CR LF, keys before any section.
        {"language = \"ca\"\r\n", LangCatalan, LangSpanish, "language=es\n"},
        {"[General]\r\nlanguage=fr\r\nx=1", std::nullopt, LangEnglish,
         "[General]\r\nlanguage=en\nx=1"},
        // Another section's key is not the choice, and stays; the last choice counts.
        {"[Other]\nlanguage=en\n", std::nullopt, LangCatalan,
         "[General]\nlanguage=ca\n\n[Other]\nlanguage=en\n"},
        {"[General]\nlanguage=en\n[Other]\n[General]\nlanguage=ca", LangCatalan, LangSpanish,
         "[General]\nlanguage=es\n[Other]\n[General]\n"},
        {"languages=en\n;language=en\n\xff", std::nullopt, LangEnglish,
         "[General]\nlanguage=en\n\nlanguages=en\n;language=en\n\xff"},
    };
    for (const auto& [before, read, set, after] : cases) {
        EXPECT_EQ(LanguageInSettings(before), read) << before;
        EXPECT_EQ(SettingsWithLanguage(before, set), after) << before;
        EXPECT_EQ(LanguageInSettings(after), set) << before;
    }
    // The arguments after the program's name, the language, valid, the value given.
    const std::pair<QStringList, std::tuple<std::optional<TLanguage>, bool, QString>> rows[] = {
        {{}, {std::nullopt, true, ""}},
        {{"--lang", "ca"}, {LangCatalan, true, ""}},
        {{"--lang=en"}, {LangEnglish, true, ""}},
        {{"-platform", "offscreen", "--lang", "es"}, {LangSpanish, true, ""}},
        {{"--lang", "ca", "--lang=en"}, {LangEnglish, true, ""}},
        {{"--lang=gl"}, {LangGalician, true, ""}},
        {{"--lang", "fr"}, {std::nullopt, false, "fr"}},
        {{"--lang="}, {std::nullopt, false, ""}},
        {{"--lang"}, {std::nullopt, false, ""}},
        {{"--lang", "CA"}, {std::nullopt, false, "CA"}},
        {{"--language", "ca"}, {std::nullopt, true, ""}},
        {{"--", "--lang", "ca"}, {std::nullopt, true, ""}},
        {{"lang", "ca"}, {std::nullopt, true, ""}}};
    for (const auto& [args, option] : rows) {
        const TLangOption o = LangOption(QStringList{"mirvex"} + args);
        EXPECT_EQ(std::tuple(o.language, o.valid, o.given), option) << args.join(' ').toStdString();
    }
}

// Built into the program, with no application object; the run-time's stay English in Spanish.
TEST(UseLanguage, EachLanguageSpeaksItsOwnTranslation) {
    // A message of the command line, StrToInt("abc"), a fault of the drawing, the help.
    const std::tuple<TLanguage, const char*, const char*, const char*, const char*> rows[] = {
        {LangCatalan, "--x apareix dues vegades", "«abc» no és un valor enter vàlid",
         "Operació de coma flotant no vàlida", "mirvex_ca.pdf"},
        {LangEnglish, "--x is given twice", "'abc' is not a valid integer value",
         "Invalid floating point operation", "mirvex_en.pdf"},
        {LangGalician, "--x aparece dúas veces", "«abc» non é un valor enteiro válido",
         "Operación de coma flotante non válida", "mirvex_gl.pdf"},
        {LangSpanish, "--x aparece dos veces", "'abc' is not a valid integer value",
         "Invalid floating point operation", "mirvex.pdf"},
    };
    for (const auto& [language, twice, notInt, fault, help] : rows) {
        UseLanguage(language);
        EXPECT_EQ(std::tuple(Language, LangCaption(LangCliTwice).arg("--x").toStdString(),
                             std::string(RunError(InvalidFloatOperation).what()),
                             HelpDocument(language).toStdString()),
                  std::tuple(language, twice, fault, help));
        try {
            StrToInt(QStringLiteral("abc"));
            ADD_FAILURE() << "abc taken for a number";
        } catch (const RunError& e) {
            EXPECT_STREQ(e.what(), notInt);
        }
    }
}
