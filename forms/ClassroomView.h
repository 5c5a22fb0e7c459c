// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Classroom.h"
#include "diagram/Lesson.h"
#include "diagram/ObjectDrag.h"
#include "plot/PictureFile.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QAction;
class QMenu;
class TGraficPanel;
class TClassroomPanel;

// The classroom view of the lesson's scene in the windows: the checkable
// "Diagrama › Vista de clase" item, the view drawn over the main window's
// panel while it is checked, and the picture the presentation, saving,
// copying and printing take.
//
// The user's choice is kept in the settings file once the user changes it.
// Until then the panel keeps its own look and the other views teach with
// the classroom view; checked, all of them show it; unchecked after being
// checked, all of them show the panel's look.
class TClassroomView : public QObject {
    Q_OBJECT
public:
    TClassroomView(QWidget* window, TLesson* lesson, QMenu* diagramMenu, TGraficPanel* panel);

    // Whether the panel, and the presentation and pictures, show it.
    bool onPanel() const { return choice_.value_or(false); }
    bool inPictures() const { return choice_.value_or(true); }

    // The user checks or unchecks the item.
    void OpVistaClaseClick(bool checked);
    // A new scene of the lesson: drawn again where it is shown, the scale
    // kept from the last drawing where it still fits.
    void Actualitzat(const LessonState& state, bool presented);
    // The classroom drawing of the lesson's scene.
    const ClassroomDrawing& drawing();
    // The picture saved, copied and printed; nothing for the panel's own.
    std::optional<PictureSource> pictureSource();
    // The lines printed under the diagram, numbers for people.
    QStringList printedResults() const;
    // The whole object position at a column of the classroom drawing's
    // client area, held to the scroll bar's range; the object arrow's box
    // in the same pixels.
    std::int32_t objectAt(double column);
    ClientBox objectBox();
    // A point of the panel in the classroom drawing's client pixels.
    QPointF panelToClient(const QPointF& at) const;
    void Retranslate();

    QAction* item() const { return item_; }

signals:
    // The user turned the view on or off.
    void viewChanged();

private:
    TLesson* lesson_;
    TGraficPanel* panel_;
    QAction* item_;
    TClassroomPanel* overlay_;
    std::optional<bool> choice_;
    ClassroomDrawing drawing_;
    std::optional<ClassroomView> view_;
    Scene drawn_;
    bool stale_ = true;
};
