// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ToolsMenu.h"

#include "core/Language.h"
#include "forms/ErrorReport.h"

#include <QMenuBar>

QPointer<QMenu> ToolsMenuItem;
TToolClickHandler ToolClickHandler;

namespace {

void ConnectToHandler(QAction* item) {
    QObject::connect(item, &QAction::triggered, item, [item] {
        RunHandler([item] {
            if (ToolClickHandler)
                ToolClickHandler(item);
        });
    });
}

} // namespace

TToolMenuItem::TToolMenuItem(const TToolRecord& tool, QObject* parent)
    : QAction(tool.Title, parent), tool(tool) {}

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
}

void RefreshToolsMenu() {
    if (ToolsMenuItem) {
        const QList<QAction*> items = ToolsMenuItem->actions();
        for (qsizetype p = items.size() - 1; p >= FirstToolItemIndex; --p)
            delete items[p];
    }
    // A missing file simply gives no tool items.
    LoadTools();
    if (!ToolsMenuItem)
        return;
    for (std::size_t k = 1; k <= ToolCount(); ++k) {
        auto* item = new TToolMenuItem(Tool(k), ToolsMenuItem);
        if (item->tool.Title == QLatin1String("-")) {
            // Some styles print a separator's text across its line.
            item->setText(QString());
            item->setSeparator(true);
        } else {
            ConnectToHandler(item);
        }
        ToolsMenuItem->addAction(item);
    }
}
