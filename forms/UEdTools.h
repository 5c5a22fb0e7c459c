// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

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
    // Takes the window's captions again in the current Language.
    void Retranslate();
    void BtOKClick();
    void BtEscClick();
    void BtBrrClick();
    void BtFtxClick();

    void setVisible(bool visible) override;

    // Re-reads the list from "Tools.rel" and enters the no-selection state;
    // a file that is there but cannot be read is named in a message, as
    // "OK" will then not overwrite it.
    void LoadList();

signals:
    // "OK" wrote the list to "Tools.rel": whatever shows the list re-reads it.
    void toolsSaved();

protected:
    // A change of language (QEvent::LanguageChange) takes the captions again.
    void changeEvent(QEvent* event) override;

private:
    void ConnectHandlers();
    // Lights tool k again in the list after a click that took the
    // highlight away while tool k is being edited.
    void KeepHighlight();
    // Whether the four fields can be stored; if not, tells the user which
    // field holds what and puts the caret there.
    bool FieldsStorable();
    // Whether "OK" may write "Tools.rel" now: not if it is no regular file or
    // could not be read, and, if another program changed it since it was
    // read, only if the user says so (or reads it again instead).
    bool MaySave();

    std::unique_ptr<Ui::TFedTools> ui;
    QFileDialog* DlgFtx = nullptr;
    bool placed = false; // centred once; later showings keep the user's place
};

// The one tools editor, created hidden by the start-up sequence.
extern TFedTools* FedTools;

// Shows the editor and brings it to the front, re-reads the list from
// "Tools.rel" (an unreadable file gives an empty list, so unsaved changes are
// gone, and a message says why) and enters the no-selection state. Does
// nothing while FedTools does not exist.
void OpenToolsEditor();
