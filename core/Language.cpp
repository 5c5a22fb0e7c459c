// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"
#include "core/RunError.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <memory>

TLanguage Language = LangCatalan;

namespace {

// The translations in force, none for Spanish. Kept until replaced: Qt holds
// on to installed translators by address.
std::unique_ptr<QTranslator> ProgramTranslation;
std::unique_ptr<QTranslator> QtTranslation;

// Puts next in the place of current, in the application's translators too
// when there is an application.
void Replace(std::unique_ptr<QTranslator>& current, std::unique_ptr<QTranslator> next) {
    const bool app = QCoreApplication::instance() != nullptr;
    if (app && current)
        QCoreApplication::removeTranslator(current.get());
    current = std::move(next);
    if (app && current)
        QCoreApplication::installTranslator(current.get());
}

} // namespace

QString LangCaption(const TLangText& text) {
    // The program's own translation, installed or not: the command line
    // speaks without any application object, or before it has one.
    const QString translated =
        ProgramTranslation ? ProgramTranslation->translate(text.context, text.source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text.source) : translated;
}

void UseLanguage(TLanguage language) {
    if (language >= LangCount)
        return;
    Language = language;
    const QString code = QLatin1String(LanguageCodes[language]);
    // Spanish is the source: it has no translation of its own.
    auto program = std::make_unique<QTranslator>();
    if (language == LangSpanish || !program->load(QStringLiteral(":/i18n/vexaria_") + code))
        program.reset();
    auto qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qt->load(QStringLiteral("qtbase_") + code, qtFolder) &&
        !qt->load(QStringLiteral("qtbase_es"), qtFolder))
        qt.reset();
    Replace(QtTranslation, std::move(qt));
    Replace(ProgramTranslation, std::move(program));
}

QString HelpDocument(TLanguage language) {
    if (language == LangSpanish || language >= LangCount)
        return QStringLiteral("mirvex.pdf");
    return QStringLiteral("mirvex_%1.pdf").arg(QLatin1String(LanguageCodes[language]));
}

QString LanguageName(TLanguage language) {
    //: This language's name, in itself, as Info > Idioma lists it.
    static constexpr TLangText Name = {"Language", QT_TRANSLATE_NOOP("Language", "Español")};
    if (language >= LangCount)
        return QString();
    QTranslator translation;
    if (language == LangSpanish || !translation.load(QStringLiteral(":/i18n/vexaria_") +
                                                     QLatin1String(LanguageCodes[language])))
        return QString::fromUtf8(Name.source);
    const QString name = translation.translate(Name.context, Name.source);
    return name.isEmpty() ? QLatin1String(LanguageCodes[language]) : name;
}

std::string RunMessage(const char* message) {
    return LangCaption({"RunError", message}).toStdString();
}

QString LanguageCodeList() {
    QStringList codes;
    for (const char* code : LanguageCodes)
        codes << QLatin1String(code);
    return codes.join(QStringLiteral(", "));
}
