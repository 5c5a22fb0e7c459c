// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ToolsMenu.h"

#include "core/Language.h"
#include "forms/ErrorReport.h"
#include "util/Shell.h"

#include <QDir>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <memory>
#include <utility>

QPointer<QMenu> ToolsMenuItem;
TToolClickHandler ToolClickHandler;

namespace {

// The list file's bytes as the last refresh read them. They are split into
// tools only when the menu first shows, and each tool's text is made only
// when the (sub)menu that holds its item does.
class TMenuSource {
public:
    explicit TMenuSource(QByteArray bytes) : bytes_(std::move(bytes)) {}
    const TToolIndex& tools() {
        if (!index_)
            index_ = std::make_unique<TToolIndex>(std::exchange(bytes_, {}));
        return *index_;
    }

private:
    QByteArray bytes_;
    std::unique_ptr<TToolIndex> index_;
};

// What the tools menu is still to show: set by a refresh, taken when the
// menu is about to show.
std::shared_ptr<TMenuSource> Pending;

void ConnectToHandler(QAction* item) {
    QObject::connect(item, &QAction::triggered, item, [item] {
        RunHandler([item] {
            if (ToolClickHandler)
                ToolClickHandler(item);
        });
    });
}

void AddTool(QMenu* menu, const TToolRecord& tool) {
    auto* item = new TToolMenuItem(tool, menu);
    if (item->tool.Title == QLatin1String("-")) {
        // Some styles print a separator's text across its line.
        item->setText(QString());
        item->setSeparator(true);
    } else {
        ConnectToHandler(item);
    }
    menu->addAction(item);
}

void Fill(QMenu* menu, const std::shared_ptr<TMenuSource>& source, std::size_t first,
          std::size_t last);

void AddGroup(QMenu* menu, const std::shared_ptr<TMenuSource>& source, std::size_t first,
              std::size_t last) {
    auto* group = new QMenu(QStringLiteral("%1–%2").arg(first).arg(last), menu);
    group->setObjectName(QStringLiteral("OpToolGroup"));
    QObject::connect(
        group, &QMenu::aboutToShow, group,
        [group, source, first, last] { RunHandler([&] { Fill(group, source, first, last); }); },
        Qt::SingleShotConnection);
    menu->addMenu(group);
}

// Entries for tools first to last (from 1) at the end of the menu.
void Fill(QMenu* menu, const std::shared_ptr<TMenuSource>& source, std::size_t first,
          std::size_t last) {
    const std::size_t per = ToolsPerEntry(last - first + 1);
    for (std::size_t k = first; k <= last; k += per) {
        if (per == 1)
            AddTool(menu, source->tools().tool(k));
        else
            AddGroup(menu, source, k, std::min(last, k + per - 1));
    }
}

void FillToolsMenu() {
    if (!Pending || !ToolsMenuItem)
        return;
    const std::shared_ptr<TMenuSource> source = std::exchange(Pending, nullptr);
    const std::size_t count = source->tools().count();
    if (count > 0)
        Fill(ToolsMenuItem, source, 1, count);
}

QString RefusalText(ShellRefusal refusal) {
    switch (refusal) {
    case ShellRefusal::FileForeignOwner:
        return LangCaption(LangFileForeignOwner);
    case ShellRefusal::FileWritableByOthers:
        return LangCaption(LangFileWritableByOthers);
    case ShellRefusal::FolderForeignOwner:
        return LangCaption(LangFolderForeignOwner);
    case ShellRefusal::FolderWritableByOthers:
        return LangCaption(LangFolderWritableByOthers);
    case ShellRefusal::ProgramInWorkFolder:
        return LangCaption(LangProgramInWorkFolder);
    case ShellRefusal::None:
        break;
    }
    return {};
}

} // namespace

std::size_t ToolsPerEntry(std::size_t count) {
    std::size_t per = 1;
    while ((count - 1) / per + 1 > ToolsMenuMaxEntries)
        per *= ToolsMenuMaxEntries;
    return per;
}

TToolMenuItem::TToolMenuItem(const TToolRecord& tool, QObject* parent)
    : QAction(tool.Title, parent), tool(tool) {
    setObjectName(QStringLiteral("OpTool"));
}

void BuildToolsMenu(QMenuBar* menu, TToolClickHandler handler) {
    ToolClickHandler = std::move(handler);
    ToolsMenuItem = new QMenu(LangCaption(LangTools), menu);
    ToolsMenuItem->setObjectName(QStringLiteral("ToolsMenuItem"));
    menu->addMenu(ToolsMenuItem);
    auto* editor = new QAction(LangCaption(LangToolsEdition), ToolsMenuItem);
    editor->setObjectName(QStringLiteral("OpEdTools"));
    ConnectToHandler(editor);
    ToolsMenuItem->addAction(editor);
    ToolsMenuItem->addSeparator();
    QObject::connect(ToolsMenuItem, &QMenu::aboutToShow, ToolsMenuItem,
                     [] { RunHandler([] { FillToolsMenu(); }); });
}

void RefreshToolsMenu() {
    Pending.reset();
    if (!ToolsMenuItem)
        return;
    const QList<QAction*> items = ToolsMenuItem->actions();
    for (qsizetype p = items.size() - 1; p >= FirstToolItemIndex; --p) {
        // A group goes whole, with everything made in it.
        if (QMenu* group = items[p]->menu())
            delete group;
        else
            delete items[p];
    }
    // A missing or unreadable file simply gives no tool items; one that
    // failed part way, the tools read before.
    TToolFileContent file = ReadToolFile(QString::fromLatin1(ToolFile));
    if (file.fault == TToolFileFault::None || file.fault == TToolFileFault::System)
        Pending = std::make_shared<TMenuSource>(std::move(file.bytes));
}

void LaunchTool(const TToolRecord& tool, QWidget* owner) {
    // A list another user could have written names that user's programs:
    // listed all the same, but started only when the user says so.
    QString listOwner;
    if (ToolListRefusal(QString::fromLatin1(ToolFile), &listOwner) != ShellRefusal::None) {
        QMessageBox ask(
            QMessageBox::Warning, ApplicationTitle(),
            LangCaption(LangForeignToolList)
                .arg(QDir::current().absoluteFilePath(QString::fromLatin1(ToolFile)), listOwner),
            QMessageBox::Yes | QMessageBox::No, owner);
        ask.setObjectName(QStringLiteral("MsgForeignToolList"));
        ask.setTextFormat(Qt::PlainText);
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes)
            return;
    }
    const ShellTarget target = ClassifyShellPath(tool.File, tool.Params, tool.Dir);
    if (target.kind == ShellTargetKind::Refused) {
        QMessageBox box(
            QMessageBox::Warning, ApplicationTitle(),
            LangCaption(LangLaunchRefused).arg(target.resolved, RefusalText(target.refusal)),
            QMessageBox::Ok, owner);
        box.setObjectName(QStringLiteral("MsgLaunchRefused"));
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    // Whether the desktop could open it is not looked at.
    ShellOpen(tool.File, tool.Params, tool.Dir);
}
