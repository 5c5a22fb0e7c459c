// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "util/ToolFile.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <cstddef>
#include <functional>

class QMenuBar;

// The tools menu of the main window: the editor item, a separator, then one
// item per tool of the list as it stood at the last refresh, in list order.
// The items are made when the menu is about to show, so a list of any length
// costs nothing before then.
inline constexpr qsizetype ToolsEditorItemIndex = 0;
inline constexpr qsizetype FirstToolItemIndex = 2;

// The most tool entries one menu holds. A longer list is shown as submenus of
// consecutive tools ("1–1000", "1001–2000", ...), nested as deep as needed,
// each filled when it is first opened: a menu costs time in the square of
// its items as they are added, and no one reads thousands of them in one.
inline constexpr std::size_t ToolsMenuMaxEntries = 1000;
// How many consecutive tools each entry of a menu for count tools stands
// for: 1 (the tools themselves) while they fit, otherwise the smallest power
// of ToolsMenuMaxEntries that leaves no more entries than that.
std::size_t ToolsPerEntry(std::size_t count);

// What a click on the editor item or a tool item runs, with the item.
using TToolClickHandler = std::function<void(QAction* sender)>;

// The menu, once BuildToolsMenu has made it; empty again when the main
// window that carried it is gone.
extern QPointer<QMenu> ToolsMenuItem;
// The handler given to BuildToolsMenu, kept for the tool items made later.
extern TToolClickHandler ToolClickHandler;

// A tool item keeps the tool it was made from, so it opens that tool even
// after the list in memory has changed and the menu not yet been rebuilt.
class TToolMenuItem : public QAction {
public:
    TToolMenuItem(const TToolRecord& tool, QObject* parent);
    const TToolRecord tool;
};

// Appends the tools menu to the end of the menu bar, with the editor item
// and the separator, captioned by Language. Every click runs the handler
// inside the error report.
void BuildToolsMenu(QMenuBar* menu, TToolClickHandler handler);

// Re-reads "Tools.rel" and drops the old tool items; the items for the tools
// it holds are made when the menu is next about to show. A missing or
// unreadable file leaves no tool items. A title of exactly "-" makes a
// separator line, which cannot be chosen. The list in memory, which the
// editor edits, is not touched.
void RefreshToolsMenu();

// Opens a tool's file as ClassifyShellPath decides, or tells the user, in a
// message over owner, why it is refused.
void LaunchTool(const TToolRecord& tool, QWidget* owner);
