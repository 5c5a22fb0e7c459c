// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Lesson.h"
#include "diagram/ObjectDrag.h"
#include "forms/DiagramView.h"
#include "plot/PictureFile.h"

#include <QAbstractSlider>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QTimer;
class TObjectHandle;

// The diagram as the presentation window shows it.
class TPresentacioDiagrama : public TDiagramView {
    Q_OBJECT
public:
    explicit TPresentacioDiagrama(QWidget* parent);
};

// The presentation window, for a projector: the lesson's diagram and
// results in large type, filling the screen. It computes nothing: it is
// given each scene with its image and drawing. What the user does on it
// (dragging the object, the wheel, the keys) it hands back as scroll bar
// steps and panel columns, for the main window to make the one update both
// show.
class TFPresentacio : public QWidget {
    Q_OBJECT
public:
    // The window it goes back to, as its hint names it.
    enum class Owner { MainWindow, Practice };
    // `owner` gets the focus back when the presentation is left, and is not
    // painted while covered.
    explicit TFPresentacio(QWidget* owner, Owner kind = Owner::MainWindow);
    ~TFPresentacio() override;

    // Shows a scene: its drawing, where the object arrow can be taken, and
    // its results.
    void Mostra(const LessonState& state, const ClientBox& objectBox);
    // Fills the screen (a normal window where there is no screen to fill)
    // and takes the keyboard.
    void Obre();
    // Leaves the presentation and gives the focus back to the owner.
    void Tanca();
    // Takes the window's title and captions again in the current Language;
    // the results follow at the next Mostra.
    void Retranslate();

    // An exercise shown step by step: the image's results stay hidden
    // until the image is shown, and the space bar asks for the next step.
    void setImageResultsShown(bool shown);

    TPresentacioDiagrama* diagram() const { return diagram_; }

signals:
    // The object dragged to this column of the panel's client area.
    void dragged(double column);
    // A scroll bar step asked for by the wheel or a key.
    void stepped(QAbstractSlider::SliderAction action);
    // The space bar: the next step of an exercise shown.
    void revealAsked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        QLabel* caption;
        QLabel* value;
        QFrame* box = nullptr;   // the value's sunken frame, if any
        double sizeFactor = 1.0; // of the type height, for the value
    };
    enum CellIndex { Mirror, Object, Kind, Orientation, Size, ImagePosition, Magnifying, Cells };

    void Disposa();
    void PlaceHint();
    void MostraResultats(const LessonState& state);
    void FitValue(Cell& cell);
    void ReturnFocus();
    // Stops the owner's repaints while this window covers it whole, and lets
    // them go (the owner painted again) when it shows again.
    void CoverOwner();

    QPointer<QWidget> owner_;
    Owner ownerKind_;
    TPresentacioDiagrama* diagram_;
    QWidget* results_;
    std::array<Cell, Cells> cells_{};
    TObjectHandle* handle_;
    QLabel* heading_; // "Imagen", over its position and magnification
    QLabel* hint_;    // how to leave, shown on opening
    QTimer* hintTimer_;
    ClientBox objectBox_;
    int typeHeight_ = 0;
};
