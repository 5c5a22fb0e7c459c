// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LanguageCodes.h"

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <iterator>

// The interface language: 0 Catalan, 1 English, 2 Spanish, 3 Galician, then
// any added after them. The program's texts are written in Spanish and
// translated by Qt's translator for the others (translations/vexaria_<code>.ts).
using TLanguage = std::uint8_t;

inline constexpr TLanguage LangCatalan = 0;
inline constexpr TLanguage LangEnglish = 1;
inline constexpr TLanguage LangSpanish = 2;
inline constexpr TLanguage LangGalician = 3;

extern TLanguage Language;

// The codes (ISO 639-1) of every language, by TLanguage: the values of --lang
// and of the saved choice, and the names of the translations and help
// documents. The list is the build's (VEXARIA_LANGUAGES).
inline constexpr std::size_t LangCount = std::size(LanguageCodes);
static_assert(LangCount > LangGalician);

// The language's name in itself, as its speakers look for it in the menu:
// its own translation gives it.
QString LanguageName(TLanguage language);
// Every code, as --lang takes them: "ca, en, es, gl".
QString LanguageCodeList();

// A text of the program outside any window: its Spanish source and the
// context its translations are filed under.
struct TLangText {
    const char* context;
    const char* source;
};

// The text in the current Language.
QString LangCaption(const TLangText& text);

// Makes language the current one: sets Language and installs the program's
// translation and Qt's own (for the standard dialogs and buttons) in place of
// the previous ones. Qt then sends every window QEvent::LanguageChange.
// Languages without a translation of Qt's take the Spanish one, which their
// speakers read. Without an application object only the program's own texts
// (LangCaption) follow.
void UseLanguage(TLanguage language);

// The help document of a language: mirvex.pdf for Spanish, which keeps the
// name it always had, mirvex_<code>.pdf for the others.
QString HelpDocument(TLanguage language);

// The texts shown outside the windows, or by code below forms/; each window's
// own texts are with it. "//:" comments go to the translators with the text.

// The tools menu and the tools editor.
inline constexpr TLangText LangTools = {"Tools", QT_TRANSLATE_NOOP("Tools", "Utilidades")};
inline constexpr TLangText LangToolsEdition = {"Tools",
                                               QT_TRANSLATE_NOOP("Tools", "Edición utilidades")};
// The command line. %1 is what was given.
inline constexpr TLangText LangCliHelp = {
    "CommandLine",
    QT_TRANSLATE_NOOP(
        "CommandLine",
        "Uso: mirvex [--export FICHERO --mirror plano|convexo|concavo --object N [--size AxB]]\n"
        "Sin opciones abre la ventana del programa.\n"
        "  --export FICHERO escribe el diagrama en FICHERO (.png, .svg o .pdf) y termina, sin\n"
        "                   abrir ninguna ventana\n"
        "  --mirror ESPEJO  plano, convexo o concavo\n"
        "  --object N       distancia del objeto delante del espejo, un número entero como en\n"
        "                   «posición objecto»: 30 pone el objeto en -30\n"
        "  --size AxB       tamaño en píxeles: 1700x1124 si no se indica; en PDF, la página a 96\n"
        "                   píxeles por pulgada, 425x281 si no se indica\n"
        "  --help           muestra esta ayuda y termina\n"
        "  --version        muestra la versión y termina")};
inline constexpr TLangText LangCliUnknown = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "opción desconocida: «%1» (vea --help)")};
inline constexpr TLangText LangCliNoValue = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "falta el valor de %1")};
inline constexpr TLangText LangCliTwice = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "%1 aparece dos veces")};
inline constexpr TLangText LangCliMissing = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "falta la opción %1")};
inline constexpr TLangText LangCliBadExtension = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine",
                      "--export «%1»: el nombre debe terminar en .png, .svg o .pdf")};
inline constexpr TLangText LangCliBadMirror = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--mirror «%1»: debe ser plano, convexo o concavo")};
inline constexpr TLangText LangCliBadObject = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--object «%1»: no es un número entero")};
// %2 the largest side.
inline constexpr TLangText LangCliBadSize = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine",
                      "--size «%1»: debe ser ANCHOxALTO, cada uno de 1 a %2 píxeles")};
inline constexpr TLangText LangCliNoCallerFolder = {
    "CommandLine",
    QT_TRANSLATE_NOOP(
        "CommandLine",
        "%1 «%2»: el nombre es relativo y la carpeta desde la que se llamó ya no existe")};
// %2 the system's reason.
inline constexpr TLangText LangCliNotWritten = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--export «%1»: no se ha podido escribir: %2")};
//: %1 the object's distance, %2 the run-time error.
inline constexpr TLangText LangCliNotDrawn = {
    "CommandLine",
    QT_TRANSLATE_NOOP("CommandLine", "--object %1: el diagrama no se puede dibujar: %2")};
// The tool list file and the launching of tools.
// Reasons, put into the messages below where they say %1.
inline constexpr TLangText LangNotRegularFile = {
    "ToolFile", QT_TRANSLATE_NOOP("ToolFile", "no es un fichero normal")};
//: %1 the bound in megabytes.
inline constexpr TLangText LangFileTooLarge = {"ToolFile",
                                               QT_TRANSLATE_NOOP("ToolFile", "ocupa más de %1 MB")};
//: %1 the tool's file, %2 the reason.
inline constexpr TLangText LangLaunchRefused = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "No se ha abierto «%1»: %2.")};
inline constexpr TLangText LangFileForeignOwner = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "el fichero es de otro usuario")};
inline constexpr TLangText LangFileWritableByOthers = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "otros usuarios pueden modificar el fichero")};
inline constexpr TLangText LangFolderForeignOwner = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "su carpeta es de otro usuario")};
inline constexpr TLangText LangFolderWritableByOthers = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "otros usuarios pueden escribir en su carpeta")};
inline constexpr TLangText LangProgramInWorkFolder = {
    "Tools",
    QT_TRANSLATE_NOOP(
        "Tools",
        "un programa sin carpeta propia no se ejecuta desde la carpeta de trabajo; indique su "
        "carpeta en «Directorio de trabajo»")};
//: %1 the value given to --lang, %2 the codes it takes ("ca, en, es, gl").
inline constexpr TLangText LangBadLangOption = {
    "CommandLine", QT_TRANSLATE_NOOP("CommandLine", "--lang admite %2, no «%1»")};

// Files (util/SafeFile). %1 the bound in bytes.
inline constexpr TLangText LangFileTooLargeBytes = {
    "SafeFile", QT_TRANSLATE_NOOP("SafeFile", "ocupa más de %1 bytes")};
inline constexpr TLangText LangFileNameNotEncodable = {
    "SafeFile",
    QT_TRANSLATE_NOOP("SafeFile", "el nombre no es válido para el sistema de ficheros")};
inline constexpr TLangText LangForeignLink = {
    "SafeFile", QT_TRANSLATE_NOOP("SafeFile", "es un enlace que otro usuario podría haber hecho")};
//: %1 the settings file, %2 why. Said once, in the language just chosen.
inline constexpr TLangText LangChoiceNotKept = {
    "LanguageSwitch",
    QT_TRANSLATE_NOOP("LanguageSwitch",
                      "El idioma elegido no se podrá recordar en el próximo inicio: «%1»: %2")};
//: %1 the tools file, %2 its owner. Asked before a tool of a list that
//: another user could have written is started.
inline constexpr TLangText LangForeignToolList = {
    "Tools", QT_TRANSLATE_NOOP("Tools", "«%1» es del usuario «%2» u otros usuarios pueden "
                                        "escribir en él. ¿Abrir esta utilidad?")};
inline constexpr TLangText LangSavingPicture = {
    "DiagramMenu", QT_TRANSLATE_NOOP("DiagramMenu", "Guardando la imagen...")};
inline constexpr TLangText LangCancelSaving = {"DiagramMenu",
                                               QT_TRANSLATE_NOOP("DiagramMenu", "Cancelar")};

// Words of the main window's results that the presentation, printouts and
// the classroom drawing say too, in the main window's context.
inline constexpr TLangText LangImage = {"TFPrincipal", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen")};
inline constexpr TLangText LangInfinity = {"TFPrincipal",
                                           QT_TRANSLATE_NOOP("TFPrincipal", "infinito")};
