// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSlider>
#include <QObject>

class QAction;
class QScrollBar;
class TFPrincipal;
class TFPresentacio;
class TGraficPanel;
class TLesson;
struct LessonState;
class TObjectHandle;
class TClassroomView;
class TDiagramCommands;

// What ties the main window to the object moved by hand and to the
// presentation window: the "Presentación" item (F11) of the "Diagrama"
// menu, the double click on the panel, the hand on the panel and on the
// presentation. Every move the user makes there becomes the scroll bar's
// own update, and after every update the presentation is shown the same
// scene the lesson holds: one update, two views.
class TPresentacioLink : public QObject {
    Q_OBJECT
public:
    TPresentacioLink(TFPrincipal* window, TLesson* lesson, TDiagramCommands* commands,
                     TGraficPanel* panel, QScrollBar* bar);

    // A new scene of the lesson, a failed drawing included: the
    // presentation, when shown, follows.
    void Actualitzat(const LessonState& state);
    // Opens the presentation window, made the first time it is wanted.
    void OpPresentacioClick();
    // The menu item and the presentation in the current Language, with the
    // results the main window has just re-captioned.
    void Retranslate();

private:
    // A drag to a column of the view's client area: the classroom
    // drawing's, or the panel's own.
    void Drag(double column, bool classroom);

    TFPrincipal* window_;
    TLesson* lesson_;
    TGraficPanel* panel_;
    QScrollBar* bar_;
    QAction* item_ = nullptr;
    TObjectHandle* panelHandle_ = nullptr;
    TFPresentacio* presentacio_ = nullptr;
    TClassroomView* classroom_ = nullptr;
};
