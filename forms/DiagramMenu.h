// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;
class QPoint;
class QPrinter;
class QWidget;
class TGraficPanel;

// The "Diagrama" menu and the diagram panel's context menu: the picture on
// the panel saved as PNG, SVG or PDF, copied to the clipboard, or printed
// with the results under it. All three take the drawing the panel holds;
// nothing is drawn or computed again.
class TDiagramCommands : public QObject {
    Q_OBJECT
public:
    // Appends the menu at the end of the menu bar. `results` gives the
    // lines printed under the diagram.
    TDiagramCommands(QWidget* window, QMenuBar* menuBar, TGraficPanel* panel,
                     std::function<QStringList()> results);

    void OpGuardarDiagramaClick();
    void OpCopiarDiagramaClick();
    void OpImprimirClick();
    // Prints on a printer already set up: the diagram across the page, the
    // results under it.
    void PrintDiagram(QPrinter& printer) const;

private:
    void ShowContextMenu(const QPoint& at);

    QWidget* window_;
    TGraficPanel* panel_;
    std::function<QStringList()> results_;
    QMenu* menu_;
    QMenu* contextMenu_;
    QFileDialog* saveDialog_ = nullptr;
};
