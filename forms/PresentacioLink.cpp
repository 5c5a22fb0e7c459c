// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/PresentacioLink.h"

#include "core/Language.h"
#include "diagram/Lesson.h"
#include "diagram/ObjectDrag.h"
#include "forms/ClassroomView.h"
#include "forms/DiagramMenu.h"
#include "forms/ErrorReport.h"
#include "forms/GraficPanel.h"
#include "forms/LanguageSwitch.h"
#include "forms/ObjectHandle.h"
#include "forms/Presentacio.h"
#include "forms/Principal.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>

#include <cstdint>

TPresentacioLink::TPresentacioLink(TFPrincipal* window, TLesson* lesson, TDiagramCommands* commands,
                                   TGraficPanel* panel, QScrollBar* bar)
    : QObject(window), window_(window), lesson_(lesson), panel_(panel), bar_(bar) {
    setObjectName(QStringLiteral("PresentacioLink"));

    // In the diagram's menu, after its own commands.
    QMenu* menu = commands->menu();
    classroom_ = new TClassroomView(window, lesson_, menu, panel_);
    commands->setClassroom(classroom_);
    connect(classroom_, &TClassroomView::viewChanged, this,
            [this] { RunHandler([this] { Actualitzat(lesson_->state()); }); });
    menu->addSeparator()->setObjectName(QStringLiteral("SepPresentacio"));
    item_ = menu->addAction(TFPresentacio::tr("Presentación"));
    item_->setObjectName(QStringLiteral("OpPresentacio"));
    item_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(item_, &QAction::triggered, this,
            [this] { RunHandler([this] { OpPresentacioClick(); }); });

    // The panel shows the client area pixel for pixel, or the classroom
    // drawing fitted into it.
    panelHandle_ = new TObjectHandle(
        panel_,
        [this](const QPointF& at) {
            return classroom_->onPanel() ? classroom_->panelToClient(at) : at;
        },
        [this] {
            return classroom_->onPanel()
                       ? classroom_->objectBox()
                       : ObjectArrowBox(Diagram, lesson_->state().scene.objectPos);
        });
    connect(panelHandle_, &TObjectHandle::dragged, this, [this](double column) {
        RunHandler([this, column] { Drag(column, classroom_->onPanel()); });
    });
    // A step goes through the bar itself, exactly as its arrows, page and end keys.
    connect(panelHandle_, &TObjectHandle::stepped, bar_, &QScrollBar::triggerAction);
    connect(panelHandle_, &TObjectHandle::doubleClicked, this,
            [this] { RunHandler([this] { OpPresentacioClick(); }); });
    connect(lesson_, &TLesson::changed, this, [this](const LessonState& state) {
        RunHandler([this, &state] { Actualitzat(state); });
    });
    OnLanguageChange(this, [this] { Retranslate(); });
}

void TPresentacioLink::Retranslate() {
    item_->setText(TFPresentacio::tr("Presentación"));
    classroom_->Retranslate();
    Actualitzat(lesson_->state());
}

void TPresentacioLink::Drag(double column, bool classroom) {
    const std::int32_t x =
        classroom ? classroom_->objectAt(column) : ObjectAtColumn(Diagram, column);
    // A step within the same whole position changes nothing.
    if (static_cast<double>(x) == lesson_->state().scene.objectPos) {
        return;
    }
    window_->BarraDesplScroll(x + BarOrigin);
}

void TPresentacioLink::OpPresentacioClick() {
    if (!presentacio_) {
        presentacio_ = new TFPresentacio(window_);
        connect(presentacio_, &TFPresentacio::dragged, this, [this](double column) {
            RunHandler([this, column] { Drag(column, classroom_->inPictures()); });
        });
        connect(presentacio_, &TFPresentacio::stepped, bar_, &QScrollBar::triggerAction);
    }
    presentacio_->Obre();
    Actualitzat(lesson_->state());
}

void TPresentacioLink::Actualitzat(const LessonState& state) {
    if (!panelHandle_) {
        return;
    }
    const bool presented = presentacio_ && presentacio_->isVisible();
    classroom_->Actualitzat(state, presented);
    panelHandle_->refreshCursor();
    if (!presented) {
        return;
    }
    if (classroom_->inPictures() && !state.drawing.failed()) {
        const LessonState shown{state.scene, state.image, classroom_->drawing().drawing};
        presentacio_->Mostra(shown, classroom_->objectBox());
    } else {
        presentacio_->Mostra(state, ObjectArrowBox(Diagram, state.scene.objectPos));
    }
}
