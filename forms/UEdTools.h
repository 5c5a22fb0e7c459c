#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QFileDialog;
class QLineEdit;

namespace Ui {
class TFedTools;
}

// The tools editor: a modeless window in which the user adds, changes and
// removes the external tools of "Tools.rel", then saves them with "OK" (which
// also rebuilds the tools menu) or leaves with "Esc". It edits the list in
// memory in place; only "OK" writes the file.

// Texts by interface language (Catalan, English, Spanish; UTF-8).
using TLangText = std::array<const char*, 3>;
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

// The text of a table for the current Language.
QString LangCaption(const TLangText& table);

class TFedTools : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its layout, hidden, and runs FormCreate.
    explicit TFedTools(QWidget* parent = nullptr);
    ~TFedTools() override;

    // The no-selection state: nothing selected, empty fields, "+" and "-"
    // disabled, the focus in the title field.
    void NouTool();
    // Refills the list box from the list and enters the no-selection state.
    void LlistaTools();

    void BtPasClick();
    void LstClick();
    void BtNouClick();
    void FormCreate();
    void BtOKClick();
    void BtEscClick();
    void BtBrrClick();
    void BtFtxClick();

    void setVisible(bool visible) override;

private:
    void ConnectHandlers();
    // Whether the four fields can be stored; if not, tells the user which
    // field holds what and puts the caret there.
    bool FieldsStorable();

    std::unique_ptr<Ui::TFedTools> ui;
    QFileDialog* DlgFtx = nullptr;
    bool placed = false; // centred once; later showings keep the user's place
};

// The one tools editor, created hidden by the start-up sequence.
extern TFedTools* FedTools;

// Shows the editor and brings it to the front, re-reads the list from
// "Tools.rel" (an unreadable file gives an empty list, so unsaved changes are
// gone) and enters the no-selection state. Does nothing while FedTools does
// not exist.
void OpenToolsEditor();
