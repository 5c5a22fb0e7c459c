// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/PictureFile.h"

#include <QObject>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;
class QPoint;
class QPainter;
class QRectF;
class QWidget;
class TGraficPanel;
class TClassroomView;
class TLesson;

// A save dialog of the program's own kind (not the desktop's, whose folder
// changes would reach the tool list's folder), starting in the user's
// folder of that kind, or home without one. The caller keeps it for the
// run, so it then opens where the last save went.
QFileDialog* NewSaveDialog(QWidget* parent, const QString& objectName, const QString& suffix,
                           QStandardPaths::StandardLocation start);

// Shows such a dialog and gives the name chosen, empty when none. The
// current folder is left as it was (the tool list is read and written
// there), and the next save starts where this one went, even when the name
// typed led to another folder than the one the dialog showed.
QString AskSaveName(QFileDialog& dialog);

// The "Diagrama" menu and the diagram panel's context menu: the picture on
// the panel saved as PNG, SVG or PDF, copied to the clipboard, or printed
// with the results under it. All three take the lesson's drawing, the one
// the panel shows; nothing is drawn or computed again.
class TDiagramCommands : public QObject {
    Q_OBJECT
public:
    // Appends the menu at the end of the menu bar. `results` gives the
    // lines printed under the diagram.
    TDiagramCommands(QWidget* window, QMenuBar* menuBar, TGraficPanel* panel, const TLesson* lesson,
                     std::function<QStringList()> results);

    void OpGuardarDiagramaClick();
    void OpCopiarDiagramaClick();
    void OpImprimirClick();
    // The print module's file, loaded by the first print: beside the
    // program unless set otherwise.
    void setPrintModuleFile(const QString& file) { printModule_ = file; }
    // Pictures and printouts take the classroom view where it says so, and
    // print their numbers for people.
    void setClassroom(TClassroomView* classroom) { classroom_ = classroom; }
    QMenu* menu() const { return menu_; }

private:
    void ShowContextMenu(const QPoint& at);
    // A PNG of more than LargePngPixels, made with a progress dialog that
    // can cancel it. False when cancelled; otherwise reason is empty or
    // says why nothing was written.
    bool SaveLargePng(PictureSource source, const QString& name, QSize size, QString& reason);
    // One printed page, `page` its printable area in device pixels: the
    // diagram across the page, the results under it.
    void PaintPrintedPage(QPainter& p, const QRectF& page) const;

    QWidget* window_;
    TGraficPanel* panel_;
    const TLesson* lesson_;
    std::function<QStringList()> results_;
    QMenu* menu_;
    QMenu* contextMenu_;
    QFileDialog* saveDialog_ = nullptr;
    QString printModule_;
    TClassroomView* classroom_ = nullptr;
    // The picture saved, copied or printed.
    PictureSource Source() const;
};
