// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"
#include "core/RunError.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

TLanguage Language = LangCatalan;

namespace {

// The translations in force. Kept for the program's life: Qt holds on to
// installed translators by address.
QTranslator& ProgramTranslator() {
    static QTranslator translator;
    return translator;
}
QTranslator& QtTranslator() {
    static QTranslator translator;
    return translator;
}

void Reinstall(QTranslator& translator, bool loaded) {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&translator);
    if (loaded)
        QCoreApplication::installTranslator(&translator);
}

} // namespace

QString LangCaption(const TLangText& text) {
    // The program's own translation, installed or not: the command line
    // speaks without any application object, or before it has one.
    const QString translated = ProgramTranslator().translate(text.context, text.source);
    return translated.isEmpty() ? QString::fromUtf8(text.source) : translated;
}

void UseLanguage(TLanguage language) {
    if (language >= LangCount)
        return;
    Language = language;
    const QString code = QLatin1String(LanguageCodes[language]);
    // Spanish is the source: it has no translation of its own, and an old
    // one left installed would still answer.
    const bool program = language != LangSpanish &&
                         ProgramTranslator().load(QStringLiteral(":/i18n/vexaria_") + code);
    if (!program)
        (void)ProgramTranslator().load(QString());
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool qt = QtTranslator().load(QStringLiteral("qtbase_") + code, qtFolder) ||
                    QtTranslator().load(QStringLiteral("qtbase_es"), qtFolder);
    Reinstall(QtTranslator(), qt);
    Reinstall(ProgramTranslator(), program);
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
