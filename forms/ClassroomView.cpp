// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ClassroomView.h"

#include "core/Language.h"
#include "core/NumberText.h"
#include "core/RunError.h"
#include "diagram/DiagramRecord.h"
#include "forms/DiagramView.h"
#include "forms/ErrorReport.h"
#include "forms/GraficPanel.h"
#include "forms/Results.h"
#include "util/SettingsFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <cmath>

// The classroom drawing over the panel, in its whole area: the panel below
// keeps its own picture and takes the pointer, which passes through. While
// this is seen the panel's picture is not, and is drawn only when it is.
class TClassroomPanel : public TDiagramView {
public:
    explicit TClassroomPanel(TGraficPanel* panel) : TDiagramView(panel), panel_(panel) {
        setObjectName(QStringLiteral("GraficClase"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(panel->rect());
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return TDiagramView::eventFilter(watched, event);
    }
    void showEvent(QShowEvent* event) override {
        TDiagramView::showEvent(event);
        panel_->setCovered(true);
    }
    void hideEvent(QHideEvent* event) override {
        panel_->setCovered(false);
        TDiagramView::hideEvent(event);
    }

private:
    TGraficPanel* panel_;
};

TClassroomView::TClassroomView(QWidget* window, TLesson* lesson, QMenu* diagramMenu,
                               TGraficPanel* panel)
    : QObject(window), lesson_(lesson), panel_(panel), choice_(ReadSavedClassroomView()) {
    setObjectName(QStringLiteral("ClassroomView"));
    item_ = new QAction(QCoreApplication::translate("TClassroomView", "Vista de clase"), window);
    item_->setObjectName(QStringLiteral("OpVistaClase"));
    item_->setCheckable(true);
    item_->setChecked(onPanel());
    diagramMenu->addAction(item_);
    // Only the user's clicks: a check set from the program is no choice.
    connect(item_, &QAction::triggered, this,
            [this](bool checked) { RunHandler([this, checked] { OpVistaClaseClick(checked); }); });
    overlay_ = new TClassroomPanel(panel_);
    overlay_->setVisible(onPanel());
    if (onPanel()) {
        overlay_->setDrawing(drawing().drawing);
    }
}

void TClassroomView::Retranslate() {
    item_->setText(QCoreApplication::translate("TClassroomView", "Vista de clase"));
    stale_ = true;
    if (onPanel()) {
        overlay_->setDrawing(drawing().drawing);
    }
}

void TClassroomView::OpVistaClaseClick(bool checked) {
    choice_ = checked;
    overlay_->setVisible(checked);
    if (checked) {
        overlay_->setDrawing(drawing().drawing);
    }
    // The view changes even when the choice cannot be kept; the report
    // says so.
    emit viewChanged();
    QString why;
    if (!KeepClassroomView(checked, &why)) {
        throw RunError(QCoreApplication::translate(
                           "TClassroomView",
                           "La vista elegida no se podrá recordar en el próximo inicio: «%1»: %2")
                           .arg(SettingsFilePath(), why)
                           .toStdString());
    }
}

void TClassroomView::Actualitzat(const LessonState& state, bool presented) {
    stale_ = stale_ || !(state.scene == drawn_);
    // Drawn now only where it is seen; saving and printing draw it on demand.
    if (onPanel() || (presented && inPictures())) {
        const ClassroomDrawing& d = drawing();
        if (onPanel()) {
            overlay_->setDrawing(d.drawing);
        }
    }
}

const ClassroomDrawing& TClassroomView::drawing() {
    const LessonState& state = lesson_->state();
    if (stale_ || !(state.scene == drawn_)) {
        ClassroomDrawing next = DrawClassroomScene(state.scene, state.image, view_, ClassroomWidth,
                                                   ClassroomHeight, &drawing_.drawing);
        drawing_ = std::move(next);
        view_ = drawing_.view;
        drawn_ = state.scene;
        stale_ = false;
    }
    return drawing_;
}

std::optional<PictureSource> TClassroomView::pictureSource() {
    if (!inPictures()) {
        return std::nullopt;
    }
    return ClassroomPicture(drawing().drawing.record);
}

QStringList TClassroomView::printedResults() const {
    const LessonState& s = lesson_->state();
    // The printed results' words are the main window's, in its context.
    static constexpr const char* MirrorNames[] = {QT_TRANSLATE_NOOP("TFPrincipal", "plano"),
                                                  QT_TRANSLATE_NOOP("TFPrincipal", "convexo"),
                                                  QT_TRANSLATE_NOOP("TFPrincipal", "cóncavo")};
    const auto word = [](const char* source) {
        return QCoreApplication::translate("TFPrincipal", source);
    };
    const auto row = [](const QString& caption, const QString& value) {
        return caption + QStringLiteral(": ") + value;
    };
    const QString mirror =
        s.scene.kind < std::size(MirrorNames) ? word(MirrorNames[s.scene.kind]) : QString();
    const QString image = s.image.atInfinity ? LangCaption(LangInfinity)
                                             : PositionForPeople(s.image.position, Language);
    const QString magnification = s.image.atInfinity
                                      ? LangCaption(LangInfinity)
                                      : MagnificationForPeople(s.image.magnification, Language);
    return {row(word(QT_TRANSLATE_NOOP("TFPrincipal", "Espejo")), mirror),
            row(word(QT_TRANSLATE_NOOP("TFPrincipal", "Posición del objeto")),
                PositionForPeople(s.scene.objectPos, Language)),
            row(word(QT_TRANSLATE_NOOP("TFPrincipal", "Posición de la imagen")), image),
            row(word(QT_TRANSLATE_NOOP("TFPrincipal", "Aumento")), magnification),
            row(LangCaption(LangImage),
                QStringList{LangCaption(*KindWord(s.image.kind).caption),
                            LangCaption(*OrientationWord(s.image.magnification).caption),
                            LangCaption(*SizeWord(s.image.size).caption)}
                    .join(QStringLiteral(", ")))};
}

std::int32_t TClassroomView::objectAt(double column) {
    const double x = std::nearbyint(drawing().worldX(column));
    if (!std::isfinite(x)) {
        return static_cast<std::int32_t>(lesson_->state().scene.objectPos);
    }
    return static_cast<std::int32_t>(std::clamp(x, double(ObjectFarthest), double(ObjectNearest)));
}

ClientBox TClassroomView::objectBox() {
    const ClassroomDrawing& d = drawing();
    const double x = d.clientX(lesson_->state().scene.objectPos);
    // The shaft and head, with room for an unsteady hand.
    constexpr double Reach = 14;
    return {x - Reach, d.clientY(ObjectHeight) - Reach, x + Reach, d.clientY(0) + Reach};
}

QPointF TClassroomView::panelToClient(const QPointF& at) const {
    const QRectF fitted =
        FitClient(ClassroomPicture(drawing_.drawing.record), QRectF(panel_->rect()));
    if (fitted.isEmpty()) {
        return {std::nan(""), std::nan("")};
    }
    return {(at.x() + 0.5 - fitted.x()) * ClassroomWidth / fitted.width() - 0.5,
            (at.y() + 0.5 - fitted.y()) * ClassroomHeight / fitted.height() - 0.5};
}
