// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The interface language: 0 Catalan, 1 English, 2 Spanish. It indexes every
// three-language text table. Only the main window's creation writes it.
using TLanguage = std::uint8_t;

inline constexpr TLanguage LangCatalan = 0;
inline constexpr TLanguage LangEnglish = 1;
inline constexpr TLanguage LangSpanish = 2;

extern TLanguage Language;

// A text in the three interface languages, indexed by TLanguage (UTF-8).
using TLangText = std::array<const char*, 3>;

// The text of a table for the current Language.
QString LangCaption(const TLangText& table);

// The tools menu and the tools editor.
inline constexpr TLangText LangTools = {"Eines", "Tools", "Utilidades"};
inline constexpr TLangText LangToolsEdition = {"Edició eines", "Tools edition",
                                               "Edición utilidades"};
inline constexpr TLangText LangTool = {"Eina", "Tool", "Utilidad"};
inline constexpr TLangText LangTitle = {"Títol", "Title", "Título"};
inline constexpr TLangText LangFile = {"Fitxer", "File", "Fichero"};
inline constexpr TLangText LangWorkDir = {"Directori de treball", "Work directory",
                                          "Directorio de trabajo"};
inline constexpr TLangText LangParams = {"Paràmetres", "Parameters", "Parámetros"};
// %1 the field's caption, %2 the character (its code, after the character
// itself when that can be shown).
inline constexpr TLangText LangBadChar = {
    "El camp «%1» conté el caràcter %2, que no es pot desar a «Tools.rel». "
    "Canvieu-lo i torneu a prémer «<- ok».",
    "The field \"%1\" holds the character %2, which cannot be stored in \"Tools.rel\". "
    "Change it and press \"<- ok\" again.",
    "El campo «%1» contiene el carácter %2, que no se puede guardar en «Tools.rel». "
    "Cámbielo y vuelva a pulsar «<- ok»."};
// %1 the system's reason.
inline constexpr TLangText LangSaveFailed = {
    "No s'ha pogut desar «Tools.rel»: %1. La llista editada es conserva.",
    "\"Tools.rel\" could not be saved: %1. The edited list is kept.",
    "No se ha podido guardar «Tools.rel»: %1. La lista editada se conserva."};

// The about box. The trailing blanks belong to the texts.
inline constexpr TLangText LangAboutPrefix = {"Quant a ", "About ", "Sobre "};
inline constexpr TLangText LangWebAddress = {"http://vexaria.example.org ",
                                             "http://vexaria.example.org/en ",
                                             "http://vexaria.example.org/es "};
inline constexpr TLangText LangAboutButton = {"Vaja!", "Done", "¡Vaya!"};
