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

// The main window. The Spanish texts are the window's own since its first
// version ("posición objecto" included, which users know it by).
inline constexpr TLangText LangPlaneMirrorHint = {"mirall pla", "plane mirror", "espejo plano"};
inline constexpr TLangText LangConvexMirrorHint = {"mirall convex", "convex mirror",
                                                   "espejo convexo"};
inline constexpr TLangText LangConcaveMirrorHint = {"mirall còncau", "concave mirror",
                                                    "espejo cóncavo"};
// As short as the Spanish one: the field's label has room for no more.
inline constexpr TLangText LangObjectPositionLabel = {"posició objecte", "object position",
                                                      "posición objecto"};
inline constexpr TLangText LangImageHeading = {"Imatge", "Image", "Imagen"};
inline constexpr TLangText LangKindHeading = {"tipus (real o virtual)", "type (real or virtual)",
                                              "tipo (real o virtual)"};
inline constexpr TLangText LangOrientationHeading = {"orientació", "orientation", "orientación"};
inline constexpr TLangText LangSizeHeading = {"augment / reducció", "enlargement / reduction",
                                              "aumento / disminución"};
inline constexpr TLangText LangImagePositionField = {"posició:", "position:", "posición:"};
inline constexpr TLangText LangMagnificationField = {"augment:", "magnif.:", "aumento:"};
inline constexpr TLangText LangElementMenu = {"Element", "Element", "Elemento"};
inline constexpr TLangText LangMirrorsMenu = {"Miralls", "Mirrors", "Espejos"};
inline constexpr TLangText LangPlaneItem = {"Pla", "Plane", "Plano"};
inline constexpr TLangText LangConvexItem = {"Convex", "Convex", "Convexo"};
inline constexpr TLangText LangConcaveMenu = {"Còncau", "Concave", "Cóncavo"};
inline constexpr TLangText LangBeyondCentreItem = {
    "Imatge més enllà del centre", "Image beyond the centre", "Imagen más allá del centro"};
inline constexpr TLangText LangCentreFocusItem = {"Imatge entre el centre i el focus",
                                                  "Image between the centre and the focus",
                                                  "Imagen entre el centro y el foco"};
inline constexpr TLangText LangFocusMirrorItem = {"Imatge entre el focus i el mirall",
                                                  "Image between the focus and the mirror",
                                                  "Imagen entre el foco y el espejo"};
inline constexpr TLangText LangTheoryItem = {"Teoria", "Theory", "Teoría"};
inline constexpr TLangText LangExitItem = {"Surt", "Exit", "Salir"};
inline constexpr TLangText LangInfoMenu = {"Info", "Info", "Info"};
inline constexpr TLangText LangHelpItem = {"Info", "Info", "Info"};
inline constexpr TLangText LangAboutItem = {"Quant a...", "About...", "Respecto a..."};
inline constexpr TLangText LangLanguageMenu = {"Idioma", "Language", "Idioma"};
// Indexed by the language it names, not by Language: each is named in
// itself, so that a user who cannot read the current one still finds theirs.
inline constexpr TLangText LangLanguageNames = {"Català", "English", "Español"};
// The help document, one per language; the Spanish one keeps its old name.
inline constexpr TLangText LangHelpDocument = {"mirvex_ca.pdf", "mirvex_en.pdf", "mirvex.pdf"};
// The results panel: the image kind, the orientation, the size class, and the
// image position when the image forms at infinity.
inline constexpr TLangText LangReal = {"real", "real", "real"};
inline constexpr TLangText LangVirtual = {"virtual", "virtual", "virtual"};
inline constexpr TLangText LangUpright = {"dreta", "upright", "derecha"};
inline constexpr TLangText LangInverted = {"invertida", "inverted", "inversa"};
inline constexpr TLangText LangEnlarged = {"augmentada", "enlarged", "aumentada"};
inline constexpr TLangText LangSameSize = {"igual", "same size", "igual"};
inline constexpr TLangText LangReduced = {"reduïda", "reduced", "disminuida"};
inline constexpr TLangText LangInfinity = {"infinit", "infinity", "infinito"};

// The tool list file and the launching of tools.
// Reasons, put into the messages below where they say %1.
inline constexpr TLangText LangNotRegularFile = {
    "no és un fitxer normal", "it is not a regular file", "no es un fichero normal"};
// %1 the bound in megabytes.
inline constexpr TLangText LangFileTooLarge = {"ocupa més de %1 MB", "it is larger than %1 MB",
                                               "ocupa más de %1 MB"};
// %1 the reason. Shown when the editor opens.
inline constexpr TLangText LangReadFailed = {
    "No s'ha pogut llegir «Tools.rel»: %1. En prémer «OK» no se sobreescriurà.",
    "\"Tools.rel\" could not be read: %1. Pressing \"OK\" will not overwrite it.",
    "No se ha podido leer «Tools.rel»: %1. Al pulsar «OK» no se sobrescribirá."};
// %1 the reason.
inline constexpr TLangText LangNotOverwritten = {
    "«Tools.rel» no s'ha pogut llegir (%1) i no se sobreescriu, perquè es perdrien les eines "
    "que conté. La llista editada es conserva.",
    "\"Tools.rel\" could not be read (%1) and is not overwritten, as the tools it holds would "
    "be lost. The edited list is kept.",
    "«Tools.rel» no se ha podido leer (%1) y no se sobrescribe, porque se perderían las "
    "utilidades que contiene. La lista editada se conserva."};
inline constexpr TLangText LangToolsChanged = {
    "Un altre programa ha canviat «Tools.rel» des que l'editor el va llegir. Voleu "
    "sobreescriure'l amb la llista editada, o tornar-lo a llegir i perdre els canvis de "
    "l'editor?",
    "Another program has changed \"Tools.rel\" since the editor read it. Do you want to "
    "overwrite it with the edited list, or read it again and lose the editor's changes?",
    "Otro programa ha cambiado «Tools.rel» desde que el editor lo leyó. ¿Quiere "
    "sobrescribirlo con la lista editada, o volver a leerlo y perder los cambios del editor?"};
inline constexpr TLangText LangOverwrite = {"Sobreescriu", "Overwrite", "Sobrescribir"};
inline constexpr TLangText LangReload = {"Torna a llegir", "Read again", "Volver a leer"};
inline constexpr TLangText LangCancel = {"Cancel·la", "Cancel", "Cancelar"};
// %1 the tool's file, %2 the reason.
inline constexpr TLangText LangLaunchRefused = {
    "No s'ha obert «%1»: %2.", "\"%1\" was not opened: %2.", "No se ha abierto «%1»: %2."};
inline constexpr TLangText LangFileForeignOwner = {"el fitxer és d'un altre usuari",
                                                   "the file belongs to another user",
                                                   "el fichero es de otro usuario"};
inline constexpr TLangText LangFileWritableByOthers = {
    "altres usuaris poden modificar el fitxer", "other users can change the file",
    "otros usuarios pueden modificar el fichero"};
inline constexpr TLangText LangFolderForeignOwner = {"la seva carpeta és d'un altre usuari",
                                                     "its folder belongs to another user",
                                                     "su carpeta es de otro usuario"};
inline constexpr TLangText LangFolderWritableByOthers = {
    "altres usuaris poden escriure a la seva carpeta", "other users can write to its folder",
    "otros usuarios pueden escribir en su carpeta"};
inline constexpr TLangText LangProgramInWorkFolder = {
    "un programa sense carpeta pròpia no s'executa des de la carpeta de treball; indiqueu-ne "
    "la carpeta a «Directori de treball»",
    "a program without a folder of its own is not run from the working folder; give its "
    "folder in \"Work directory\"",
    "un programa sin carpeta propia no se ejecuta desde la carpeta de trabajo; indique su "
    "carpeta en «Directorio de trabajo»"};
