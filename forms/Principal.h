// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Plot.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>

class QAction;
class TDiagramCommands;
class TExerciseCommands;
class TLesson;
struct LessonState;
class TPresentacioLink;
class TFTeoria;

namespace Ui {
class TFPrincipal;
}

// The one plot window of the program, bound to the diagram panel when the
// main window is created.
extern TPlotWindow Diagram;
// The object position of the last update.
extern double LastObjectPos;

// The main window: diagram panel, mirror buttons, object position scroll bar
// and field, results panel and menu. Every command ends in one update cycle
// (Actualitzadibuix) that redraws the diagram and the results.
class TFPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window from its layout and runs FormCreate, which draws a
    // first diagram before the window is shown.
    explicit TFPrincipal(QWidget* parent = nullptr);
    ~TFPrincipal() override;

    // The update cycle for a mirror kind and an object position: the scene
    // goes to the lesson, which tells this window (ShowScene) and the others.
    void Actualitzadibuix(std::uint8_t kind, double x);
    // Shows a scene of the lesson: the panel, the controls, the results.
    void ShowScene(const LessonState& state);
    // The holder of the scene this window shows.
    TLesson* lesson() const { return lesson_; }
    // An update at the object position pos - 100 with the current mirror.
    // Wide enough that every typed whole number v gives pos = 100 - v.
    void ActualitzaPos(std::int64_t pos);
    // Writes the results panel from the image model.
    void MostraResultats();
    // Takes every text of the window, its menus and its results again in
    // the current Language.
    void Retranslate();

    // The four steps of the diagram, drawn on Diagram.
    void dibuixaEntorn(std::uint8_t kind);
    void dibuixafigura(double x);
    // Puts the scroll bar and the position field where the object is drawn.
    void PlaceObjectControls(double at);
    void Rajos(double x);
    void DibuixaImatge();

    // Command handlers, connected to their controls and menu items.
    void FormCreate();
    void BtPlaClick();
    void BtConvClick();
    void BtConcClick();
    void OpplaClick();
    void OpConvexClick();
    void OpCentreClick();
    void OpCentreFocusClick();
    void OpfocusClick();
    void BarraDesplScroll(int position);
    void EdPosObjKeyUp();
    void OpSurtClick();
    void OpHlpClick();
    void OpQClick();
    // "Teoría": the theory chapter in the program's own help window.
    void OpTMirallsClick();
    void FormShow();
    // The editor item and every tool item of the tools menu.
    void Tools(QAction* sender);
    // The editor saved the list: the menu shows what the file now holds.
    void ToolsSaved();

    // The results as printed under the diagram: mirror, object position,
    // image position, magnification and the three words, as shown.
    QStringList PrintedResults() const;

protected:
    // A change of language (QEvent::LanguageChange) takes every text again.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ConnectHandlers();
    // Puts one of the three mirror buttons down and the other two up.
    void SetMirrorButtons(std::uint8_t kind);

    std::unique_ptr<Ui::TFPrincipal> ui;
    TLesson* lesson_;
    TDiagramCommands* diagramCommands_ = nullptr;
    TPresentacioLink* presentacioLink_ = nullptr;
    TFTeoria* teoria_ = nullptr;
    TExerciseCommands* exerciseCommands_ = nullptr;
};

// The main window, set when it is created; it lives until the program ends.
extern TFPrincipal* FPrincipal;
