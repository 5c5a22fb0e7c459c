// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// The interface language: 0 Catalan, 1 English, 2 Spanish. It indexes every
// three-language text table. Only the main window's creation writes it.
using TLanguage = std::uint8_t;

inline constexpr TLanguage LangCatalan = 0;
inline constexpr TLanguage LangEnglish = 1;
inline constexpr TLanguage LangSpanish = 2;

extern TLanguage Language;

inline constexpr std::size_t LangCount = 3;

// A text in the three interface languages, indexed by TLanguage (UTF-8).
// Made from exactly one text a language: a table that leaves one out does
// not compile, where an array would take a null for it.
struct TLangText : std::array<const char*, LangCount> {
    constexpr TLangText(const char* catalan, const char* english, const char* spanish)
        : std::array<const char*, LangCount>{catalan, english, spanish} {}
};

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

// The diagram menu, the panel's context menu and their dialogs.
inline constexpr TLangText LangDiagram = {"Diagrama", "Diagram", "Diagrama"};
inline constexpr TLangText LangSaveDiagram = {"Desa el diagrama com a...", "Save diagram as...",
                                              "Guardar diagrama como..."};
inline constexpr TLangText LangCopyDiagram = {"Copia el diagrama", "Copy diagram",
                                              "Copiar diagrama"};
inline constexpr TLangText LangPrint = {"Imprimeix...", "Print...", "Imprimir..."};
inline constexpr TLangText LangPngFiles = {"Imatge PNG (*.png)", "PNG image (*.png)",
                                           "Imagen PNG (*.png)"};
inline constexpr TLangText LangSvgFiles = {"Dibuix SVG (*.svg)", "SVG drawing (*.svg)",
                                           "Dibujo SVG (*.svg)"};
inline constexpr TLangText LangPdfFiles = {"Document PDF (*.pdf)", "PDF document (*.pdf)",
                                           "Documento PDF (*.pdf)"};
inline constexpr TLangText LangPngSize = {"Mida de la imatge PNG", "PNG image size",
                                          "Tamaño de la imagen PNG"};
inline constexpr TLangText LangWidth = {"Amplada:", "Width:", "Ancho:"};
inline constexpr TLangText LangHeight = {"Alçada:", "Height:", "Alto:"};
inline constexpr TLangText LangPixels = {" píxels", " pixels", " píxeles"};
// %1 the file, %2 the system's reason.
inline constexpr TLangText LangPictureNotSaved = {"No s'ha pogut desar «%1»: %2.",
                                                  "\"%1\" could not be saved: %2.",
                                                  "No se ha podido guardar «%1»: %2."};
inline constexpr TLangText LangNotPrinted = {
    "No s'ha imprès res: no s'ha pogut obrir la impressora.",
    "Nothing was printed: the printer could not be opened.",
    "No se ha impreso nada: no se ha podido abrir la impresora."};
// The results printed under the diagram.
inline constexpr TLangText LangMirror = {"Mirall", "Mirror", "Espejo"};
inline constexpr TLangText LangMirrorPlane = {"pla", "plane", "plano"};
inline constexpr TLangText LangMirrorConvex = {"convex", "convex", "convexo"};
inline constexpr TLangText LangMirrorConcave = {"còncau", "concave", "cóncavo"};
inline constexpr TLangText LangObjectPosition = {"Posició de l'objecte", "Object position",
                                                 "Posición del objeto"};
inline constexpr TLangText LangImagePosition = {"Posició de la imatge", "Image position",
                                                "Posición de la imagen"};
inline constexpr TLangText LangMagnification = {"Augment", "Magnification", "Aumento"};
inline constexpr TLangText LangImage = {"Imatge", "Image", "Imagen"};

// The command line. %1 is what was given.
inline constexpr TLangText LangCliHelp = {
    "Ús: mirvex [--export FITXER --mirror plano|convexo|concavo --object N [--size AxB]]\n"
    "Sense opcions obre la finestra del programa.\n"
    "  --export FITXER  escriu el diagrama a FITXER (.png, .svg o .pdf) i acaba, sense obrir\n"
    "                   cap finestra\n"
    "  --mirror MIRALL  plano (pla), convexo (convex) o concavo (còncau)\n"
    "  --object N       distància de l'objecte davant del mirall, un nombre enter com a\n"
    "                   «posición objecto»: 30 posa l'objecte a -30\n"
    "  --size AxB       mida en píxels: per defecte 1700x1124; en PDF, la pàgina a 96 píxels\n"
    "                   per polzada, per defecte 425x281\n"
    "  --help           mostra aquesta ajuda i acaba\n"
    "  --version        mostra la versió i acaba",
    "Usage: mirvex [--export FILE --mirror plano|convexo|concavo --object N [--size WxH]]\n"
    "With no option it opens the program's window.\n"
    "  --export FILE    writes the diagram to FILE (.png, .svg or .pdf) and ends, without\n"
    "                   opening any window\n"
    "  --mirror MIRROR  plano (plane), convexo (convex) or concavo (concave)\n"
    "  --object N       the object's distance in front of the mirror, a whole number as in\n"
    "                   \"posición objecto\": 30 puts the object at -30\n"
    "  --size WxH       size in pixels: 1700x1124 unless given; for a PDF, the page at 96\n"
    "                   pixels to the inch, 425x281 unless given\n"
    "  --help           shows this help and ends\n"
    "  --version        shows the version and ends",
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
    "  --version        muestra la versión y termina"};
inline constexpr TLangText LangCliUnknown = {"opció desconeguda: «%1» (vegeu --help)",
                                             "unknown option: \"%1\" (see --help)",
                                             "opción desconocida: «%1» (vea --help)"};
inline constexpr TLangText LangCliNoValue = {"falta el valor de %1", "%1 needs a value",
                                             "falta el valor de %1"};
inline constexpr TLangText LangCliTwice = {"%1 apareix dues vegades", "%1 is given twice",
                                           "%1 aparece dos veces"};
inline constexpr TLangText LangCliMissing = {"falta l'opció %1", "the option %1 is missing",
                                             "falta la opción %1"};
inline constexpr TLangText LangCliBadExtension = {
    "--export «%1»: el nom ha d'acabar en .png, .svg o .pdf",
    "--export \"%1\": the name must end in .png, .svg or .pdf",
    "--export «%1»: el nombre debe terminar en .png, .svg o .pdf"};
inline constexpr TLangText LangCliBadMirror = {
    "--mirror «%1»: ha de ser plano, convexo o concavo",
    "--mirror \"%1\": it must be plano, convexo or concavo",
    "--mirror «%1»: debe ser plano, convexo o concavo"};
inline constexpr TLangText LangCliBadObject = {"--object «%1»: no és un nombre enter",
                                               "--object \"%1\": not a whole number",
                                               "--object «%1»: no es un número entero"};
// %2 the largest side.
inline constexpr TLangText LangCliBadSize = {
    "--size «%1»: ha de ser AMPLADAxALÇADA, cada una d'1 a %2 píxels",
    "--size \"%1\": it must be WIDTHxHEIGHT, each from 1 to %2 pixels",
    "--size «%1»: debe ser ANCHOxALTO, cada uno de 1 a %2 píxeles"};
inline constexpr TLangText LangCliNoCallerFolder = {
    "--export «%1»: el nom és relatiu i la carpeta des d'on s'ha cridat ja no existeix",
    "--export \"%1\": the name is relative and the folder it was called from is gone",
    "--export «%1»: el nombre es relativo y la carpeta desde la que se llamó ya no existe"};
// %2 the system's reason.
inline constexpr TLangText LangCliNotWritten = {"--export «%1»: no s'ha pogut escriure: %2",
                                                "--export \"%1\": could not be written: %2",
                                                "--export «%1»: no se ha podido escribir: %2"};
// %1 the object's distance, %2 the run-time error.
inline constexpr TLangText LangCliNotDrawn = {"--object %1: el diagrama no es pot dibuixar: %2",
                                              "--object %1: the diagram cannot be drawn: %2",
                                              "--object %1: el diagrama no se puede dibujar: %2"};

// The about box. The trailing blanks belong to the texts.
inline constexpr TLangText LangAboutPrefix = {"Quant a ", "About ", "Sobre "};
inline constexpr TLangText LangWebAddress = {"http://vexaria.example.org ",
                                             "http://vexaria.example.org/en ",
                                             "http://vexaria.example.org/es "};
inline constexpr TLangText LangAboutButton = {"Vaja!", "Done", "¡Vaya!"};

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

// The command line. %1 the value given to --lang.
inline constexpr TLangText LangBadLangOption = {"--lang admet ca, en o es, no «%1»",
                                                "--lang takes ca, en or es, not \"%1\"",
                                                "--lang admite ca, en o es, no «%1»"};

// The presentation window: its menu item and its title.
inline constexpr TLangText LangPresentation = {"Presentació", "Presentation", "Presentación"};

// Files (util/SafeFile). %1 the bound in bytes.
inline constexpr TLangText LangFileTooLargeBytes = {
    "ocupa més de %1 bytes", "it is larger than %1 bytes", "ocupa más de %1 bytes"};
inline constexpr TLangText LangFileNameNotEncodable = {
    "el nom no és vàlid per al sistema de fitxers", "the name is not valid for the file system",
    "el nombre no es válido para el sistema de ficheros"};
inline constexpr TLangText LangForeignLink = {"és un enllaç que un altre usuari podria haver fet",
                                              "it is a link another user could have made",
                                              "es un enlace que otro usuario podría haber hecho"};
// %1 the settings file, %2 why. Said once, in the language just chosen.
inline constexpr TLangText LangChoiceNotKept = {
    "L'idioma triat no es podrà recordar a la propera obertura: «%1»: %2",
    "The chosen language cannot be kept for the next start: \"%1\": %2",
    "El idioma elegido no se podrá recordar en el próximo inicio: «%1»: %2"};
// %1 the tools file, %2 its owner. Asked before a tool of a list that
// another user could have written is started.
inline constexpr TLangText LangForeignToolList = {
    "«%1» és de l'usuari «%2» o altres usuaris hi poden escriure. Voleu obrir aquesta eina?",
    "\"%1\" belongs to the user \"%2\" or other users can write to it. Open this tool?",
    "«%1» es del usuario «%2» u otros usuarios pueden escribir en él. ¿Abrir esta utilidad?"};
inline constexpr TLangText LangSavingPicture = {"S'està desant la imatge...",
                                                "Saving the picture...", "Guardando la imagen..."};
