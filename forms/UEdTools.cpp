// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/UEdTools.h"

#include "forms/Fonts.h"
#include "forms/Placement.h"
#include "ui_UEdTools.h"

#include "core/Language.h"
#include "forms/ErrorReport.h"
#include "util/Shell.h"
#include "util/ToolFile.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>

#include <algorithm>

// Outside any namespace, as Qt's resource initialisation requires.
static void InitPictures() {
    Q_INIT_RESOURCE(mirvex);
}

TFedTools* FedTools = nullptr;

namespace {

// The editor's captions (the tools menu's two are LangTools and
// LangToolsEdition), filed with the tools menu's texts.
constexpr TLangText LangTool = {"Tools", QT_TRANSLATE_NOOP("Tools", "Utilidad")};
constexpr TLangText LangTitle = {"Tools", QT_TRANSLATE_NOOP("Tools", "Título")};
constexpr TLangText LangFile = {"Tools", QT_TRANSLATE_NOOP("Tools", "Fichero")};
constexpr TLangText LangWorkDir = {"Tools", QT_TRANSLATE_NOOP("Tools", "Directorio de trabajo")};
constexpr TLangText LangParams = {"Tools", QT_TRANSLATE_NOOP("Tools", "Parámetros")};
//: %1 the field's caption, %2 the character (its code, after the character
//: itself when that can be shown).
constexpr TLangText LangBadChar = {
    "Tools",
    QT_TRANSLATE_NOOP("Tools", "El campo «%1» contiene el carácter %2, que no se puede guardar en "
                               "«Tools.rel». Cámbielo y vuelva a pulsar «<- ok».")};
//: %1 the system's reason.
constexpr TLangText LangSaveFailed = {
    "Tools",
    QT_TRANSLATE_NOOP("Tools",
                      "No se ha podido guardar «Tools.rel»: %1. La lista editada se conserva.")};
//: %1 the system's reason.
constexpr TLangText LangReadFailed = {
    "Tools",
    QT_TRANSLATE_NOOP("Tools",
                      "No se ha podido leer «Tools.rel»: %1. Al pulsar «OK» no se sobrescribirá.")};
//: %1 the system's reason.
constexpr TLangText LangNotOverwritten = {
    "Tools", QT_TRANSLATE_NOOP(
                 "Tools", "«Tools.rel» no se ha podido leer (%1) y no se sobrescribe, porque se "
                          "perderían las utilidades que contiene. La lista editada se conserva.")};
constexpr TLangText LangToolsChanged = {
    "Tools",
    QT_TRANSLATE_NOOP(
        "Tools",
        "Otro programa ha cambiado «Tools.rel» desde que el editor lo leyó. ¿Quiere sobrescribirlo "
        "con la lista editada, o volver a leerlo y perder los cambios del editor?")};
constexpr TLangText LangOverwrite = {"Tools", QT_TRANSLATE_NOOP("Tools", "Sobrescribir")};
constexpr TLangText LangReload = {"Tools", QT_TRANSLATE_NOOP("Tools", "Volver a leer")};
constexpr TLangText LangCancel = {"Tools", QT_TRANSLATE_NOOP("Tools", "Cancelar")};

// Rows of the list box, in pixels.
constexpr int ItemHeight = 13;

// Black while enabled; a disabled button keeps the greyed text that tells
// the user it cannot be pressed.
void SetBlack(QWidget* widget) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
    }
    widget->setPalette(palette);
}

// Captions size themselves to their text from their left and top edges, so a
// longer caption in another language is not cut off.
void SetCaption(QLabel* label, const TLangText& table) {
    label->setText(LangCaption(table));
    label->resize(QFontMetrics(label->font()).size(Qt::TextSingleLine, label->text()));
}

// A field that has just been given its text shows it from its start.
void SetFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

void ShowMessage(QWidget* owner, QMessageBox::Icon icon, const QString& text, const char* name) {
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, owner);
    box.setObjectName(QLatin1String(name));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

enum class TOnChange { Overwrite, Reload, Cancel };

// Asks what to do about a "Tools.rel" that another program changed since the
// editor read it. Cancel is the default, and what Escape gives: it is the
// one answer that loses nothing.
TOnChange AskOnChange(QWidget* owner) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), LangCaption(LangToolsChanged),
                    QMessageBox::NoButton, owner);
    box.setObjectName(QStringLiteral("MsgToolsChanged"));
    box.setTextFormat(Qt::PlainText);
    QPushButton* overwrite = box.addButton(LangCaption(LangOverwrite), QMessageBox::AcceptRole);
    overwrite->setObjectName(QStringLiteral("BtOverwrite"));
    QPushButton* reload = box.addButton(LangCaption(LangReload), QMessageBox::ResetRole);
    reload->setObjectName(QStringLiteral("BtReload"));
    QPushButton* cancel = box.addButton(LangCaption(LangCancel), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BtCancel"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return TOnChange::Overwrite;
    if (box.clickedButton() == reload)
        return TOnChange::Reload;
    return TOnChange::Cancel;
}

// How the message names a character: the character itself where it can be
// seen, and always its code, which tells apart look-alikes and control codes.
QString DescribeChar(QStringView text, qsizetype at) {
    char32_t code = text[at].unicode();
    if (text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        code = QChar::surrogateToUcs4(text[at], text[at + 1]);
    const QString number =
        QStringLiteral("U+%1").arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
    if (!QChar::isPrint(code) || QChar::isSpace(code))
        return number;
    return QString::fromUcs4(&code, 1) + QStringLiteral(" (") + number + u')';
}

} // namespace

TFedTools::TFedTools(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TFedTools>()) {
    FedTools = this;
    InitPictures();
    ui->setupUi(this);
    // Sizeable, with system menu, minimise and close but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // Left open when the main window closes, the editor must not keep the
    // program running.
    setAttribute(Qt::WA_QuitOnClose, false);

    SetPixelHeight(this, 11);
    for (QWidget* w : {static_cast<QWidget*>(ui->LLst), static_cast<QWidget*>(ui->LEd),
                       static_cast<QWidget*>(ui->BtBrr)}) {
        SetPixelHeight(w, 13);
        SetBlack(w);
    }
    UseInstalledFaces(this);
    // The fields are drawn flat, like the panel around them: one plain line.
    ui->PEdit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(window-text); "
                                            "background: palette(base); padding: 0px 1px; }"));

    ConnectHandlers();
    RunHandler([this] { FormCreate(); });
}

TFedTools::~TFedTools() {
    if (FedTools == this)
        FedTools = nullptr;
}

void TFedTools::ConnectHandlers() {
    const auto handler = [this](void (TFedTools::*method)()) {
        return [this, method] { RunHandler([this, method] { (this->*method)(); }); };
    };
    connect(ui->BtPas, &QPushButton::clicked, this, handler(&TFedTools::BtPasClick));
    connect(ui->BtNou, &QPushButton::clicked, this, handler(&TFedTools::BtNouClick));
    connect(ui->BtBrr, &QPushButton::clicked, this, handler(&TFedTools::BtBrrClick));
    connect(ui->BtFtx, &QPushButton::clicked, this, handler(&TFedTools::BtFtxClick));
    connect(ui->BtOK, &QPushButton::clicked, this, handler(&TFedTools::BtOKClick));
    connect(ui->BtEsc, &QPushButton::clicked, this, handler(&TFedTools::BtEscClick));
    // A new selection by mouse or keyboard, and also a click on the item that
    // is already selected: that shows the tool again, dropping unstored edits.
    connect(ui->Lst, &QListWidget::itemSelectionChanged, this, handler(&TFedTools::LstClick));
    connect(ui->Lst, &QListWidget::itemClicked, this,
            [this](QListWidgetItem*) { RunHandler([this] { LstClick(); }); });
}

void TFedTools::FormCreate() {
    setWindowTitle(LangCaption(LangToolsEdition));
    SetCaption(ui->LLst, LangTools);
    SetCaption(ui->LEd, LangTool);
    SetCaption(ui->LTit, LangTitle);
    SetCaption(ui->LFtx, LangFile);
    SetCaption(ui->LDir, LangWorkDir);
    SetCaption(ui->LPrs, LangParams);
}

void TFedTools::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RunHandler([this] { Retranslate(); });
}

void TFedTools::Retranslate() {
    // As at creation: each caption sized to its new text, which a longer
    // translation would otherwise find cut to the width of the old one.
    FormCreate();
}
void TFedTools::NouTool() {
    SelectedTool = 0;
    {
        const QSignalBlocker quiet(ui->Lst);
        ui->Lst->setCurrentRow(-1);
        ui->Lst->clearSelection();
    }
    for (QLineEdit* field : {ui->EdTit, ui->EdFtx, ui->EdDir, ui->EdPrs})
        field->clear();
    ui->BtNou->setEnabled(false);
    ui->BtBrr->setEnabled(false);
    if (isVisible())
        ui->EdTit->setFocus();
}

void TFedTools::LlistaTools() {
    {
        const QSignalBlocker quiet(ui->Lst);
        ui->Lst->clear();
        for (std::size_t k = 1; k <= ToolCount(); ++k) {
            auto* item = new QListWidgetItem(Tool(k).Title);
            item->setSizeHint(QSize(0, ItemHeight));
            ui->Lst->addItem(item);
        }
    }
    NouTool();
}

void TFedTools::LstClick() {
    const QList<QListWidgetItem*> selected = ui->Lst->selectedItems();
    // A notification that leaves nothing selected has nothing to show.
    if (selected.isEmpty()) {
        KeepHighlight();
        return;
    }
    const int row = ui->Lst->row(selected.front());
    if (row < 0 || static_cast<std::size_t>(row) >= ToolCount())
        return;
    SelectedTool = static_cast<std::size_t>(row) + 1;
    const TToolRecord& tool = Tool(SelectedTool);
    SetFieldText(ui->EdTit, tool.Title);
    SetFieldText(ui->EdFtx, tool.File);
    SetFieldText(ui->EdDir, tool.Dir);
    SetFieldText(ui->EdPrs, tool.Params);
    ui->BtNou->setEnabled(true);
    ui->BtBrr->setEnabled(true);
}

void TFedTools::KeepHighlight() {
    // A click below the items, or a Ctrl+click on the highlighted one, takes
    // the highlight away but not the tool being edited: "-" and "<- ok" would
    // then act on a tool that no longer looks chosen. Tool k stays lit.
    if (SelectedTool < 1 || SelectedTool > ToolCount() ||
        SelectedTool > static_cast<std::size_t>(ui->Lst->count()))
        return;
    const QSignalBlocker quiet(ui->Lst);
    ui->Lst->setCurrentRow(static_cast<int>(SelectedTool - 1), QItemSelectionModel::ClearAndSelect);
}

void TFedTools::BtNouClick() {
    NouTool();
}

bool TFedTools::FieldsStorable() {
    const struct {
        QLineEdit* field;
        const TLangText& caption;
    } fields[] = {
        {ui->EdTit, LangTitle},
        {ui->EdFtx, LangFile},
        {ui->EdDir, LangWorkDir},
        {ui->EdPrs, LangParams},
    };
    for (const auto& [field, caption] : fields) {
        const QString text = field->text();
        // Only what a field stores must fit the file; the rest is dropped.
        const qsizetype bad = ToolFieldBadChar(QStringView(text).left(ToolFieldMax));
        if (bad < 0)
            continue;
        ShowMessage(this, QMessageBox::Warning,
                    LangCaption(LangBadChar).arg(LangCaption(caption), DescribeChar(text, bad)),
                    "MsgBadChar");
        field->setFocus();
        field->setSelection(static_cast<int>(bad), text[bad].isHighSurrogate() ? 2 : 1);
        return false;
    }
    return true;
}

void TFedTools::BtPasClick() {
    if (!FieldsStorable())
        return;
    if (SelectedTool == 0) {
        AppendTool();
        SelectedTool = ToolCount();
    }
    FillTool(Tool(SelectedTool), ui->EdTit->text(), ui->EdFtx->text(), ui->EdDir->text(),
             ui->EdPrs->text());
    LlistaTools();
}

void TFedTools::BtBrrClick() {
    // Out of range (nothing selected) it removes nothing.
    RemoveTool(SelectedTool);
    LlistaTools();
}

void TFedTools::BtFtxClick() {
    // The dialog must leave the current folder alone: "Tools.rel" is read
    // and written there.
    const QString folder = QDir::currentPath();
    if (DlgFtx == nullptr) {
        // Made at its first use: a file dialog costs more to build than the
        // rest of the editor, and most sessions never open it. Qt's own, so
        // it looks and behaves the same on every desktop; like a plain open
        // dialog it takes any name typed into it.
        DlgFtx = new QFileDialog(this);
        DlgFtx->setObjectName(QStringLiteral("DlgFtx"));
        DlgFtx->setOption(QFileDialog::DontUseNativeDialog);
        DlgFtx->setAcceptMode(QFileDialog::AcceptOpen);
        DlgFtx->setFileMode(QFileDialog::AnyFile);
    }
    const bool chosen = DlgFtx->exec() == QDialog::Accepted;
    QDir::setCurrent(folder);
    const QStringList files = DlgFtx->selectedFiles();
    if (!chosen || files.isEmpty())
        return;
    const SplitPathResult parts = SplitPath(files.front());
    SetFieldText(ui->EdFtx, parts.name);
    SetFieldText(ui->EdDir, parts.folder);
}

bool TFedTools::MaySave() {
    QString reason;
    switch (CheckToolFile(&reason)) {
    case TToolFileCheck::Unchanged:
        return true;
    case TToolFileCheck::NotRegular:
        ShowMessage(this, QMessageBox::Warning, LangCaption(LangSaveFailed).arg(reason),
                    "MsgSaveFailed");
        return false;
    case TToolFileCheck::Unread:
        // The tools it may hold were never seen: writing would lose them.
        ShowMessage(this, QMessageBox::Warning, LangCaption(LangNotOverwritten).arg(reason),
                    "MsgNotOverwritten");
        return false;
    case TToolFileCheck::Changed:
        break;
    }
    switch (AskOnChange(this)) {
    case TOnChange::Overwrite:
        return true;
    case TOnChange::Reload:
        LoadList();
        return false;
    case TOnChange::Cancel:
        break;
    }
    return false;
}

void TFedTools::BtOKClick() {
    // The edited list stays, in memory and on screen, whenever nothing is
    // written; the menu keeps showing what the file still holds.
    if (!MaySave())
        return;
    QString reason;
    if (!SaveTools(&reason)) {
        ShowMessage(this, QMessageBox::Warning, LangCaption(LangSaveFailed).arg(reason),
                    "MsgSaveFailed");
        return;
    }
    emit toolsSaved();
    hide();
}

void TFedTools::BtEscClick() {
    hide();
}

void TFedTools::setVisible(bool visible) {
    if (visible && !placed) {
        CentreOnScreen(this);
        placed = true;
    }
    QWidget::setVisible(visible);
}

void TFedTools::LoadList() {
    // Whether or not the file could be read, the list box is refilled from
    // the list, so it never shows tools the list no longer holds, and the
    // editor starts with nothing selected.
    LoadTools();
    LlistaTools();
    const TToolFileContent& file = LoadedToolFile();
    if (file.fault != TToolFileFault::None && file.fault != TToolFileFault::Missing)
        ShowMessage(this, QMessageBox::Warning, LangCaption(LangReadFailed).arg(file.reason),
                    "MsgToolsUnread");
}

void OpenToolsEditor() {
    if (FedTools == nullptr)
        return;
    FedTools->setWindowState(FedTools->windowState() & ~Qt::WindowMinimized);
    FedTools->show();
    FedTools->raise();
    FedTools->activateWindow();
    FedTools->LoadList();
}
