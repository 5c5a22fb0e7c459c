// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/ObjectDrag.h"
#include "plot/PictureFile.h"
#include "plot/PictureLayers.h"

#include <QAbstractSlider>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class TObjectHandle;

// The diagram as the presentation window shows it: the panel's drawing as
// large as the view allows, its proportions kept, on the panel's colour.
class TPresentacioDiagrama : public QWidget {
    Q_OBJECT
public:
    explicit TPresentacioDiagrama(QWidget* parent);

    void setSource(const PictureSource& source);
    const PictureSource& source() const { return source_; }
    // Where the panel's client area lands in the view.
    QRectF target() const;
    // A point of the view in the panel's client pixels.
    QPointF toClient(const QPointF& at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    PictureSource source_;
    PictureLayers layers_;
};

// The presentation window, for a projector: the main window's diagram and
// results in large type, filling the screen. It computes nothing: after each
// update of the main window it is given the panel's drawing and copies the
// results as the main window shows them. What the user does on it (dragging
// the object, the wheel, the keys) it hands back as scroll bar steps and
// panel columns, for the main window to make the one update both show.
class TFPresentacio : public QWidget {
    Q_OBJECT
public:
    // `owner` is the main window, whose results controls are read by name;
    // it gets the focus back when the presentation is left.
    explicit TFPresentacio(QWidget* owner);
    ~TFPresentacio() override;

    // Shows the state of the last update: the panel's drawing, where the
    // object arrow can be taken, and the results as the owner shows them.
    void Mostra(const PictureSource& picture, const ClientBox& objectBox);
    // Fills the screen (a normal window where there is no screen to fill)
    // and takes the keyboard.
    void Obre();
    // Leaves the presentation and gives the focus back to the owner.
    void Tanca();
    // Takes the window's title again in the current Language; the results
    // follow the owner's at the next Mostra.
    void Retranslate();

    TPresentacioDiagrama* diagram() const { return diagram_; }
    TObjectHandle* handle() const { return handle_; }

signals:
    // The object dragged to this column of the panel's client area.
    void dragged(double column);
    // A scroll bar step asked for by the wheel or a key.
    void stepped(QAbstractSlider::SliderAction action);
    // The owner came to lie wholly under this window, or no longer does.
    void ownerCovered(bool covered);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        QLabel* caption;
        QLabel* value;
        QFrame* box = nullptr;         // the value's sunken frame, if any
        QPointer<QLabel> ownerCaption; // the owner's label the caption copies
        double sizeFactor = 1.0;       // of the type height, for the value
        QFont indentFont;              // what the value's indent was set for
        int indentMargin = -1;
    };
    enum CellIndex { Mirror, Object, Kind, Orientation, Size, ImagePosition, Magnifying, Cells };

    void Disposa();
    void CopiaResultats();
    void FitValue(Cell& cell);
    void ReturnFocus();
    // Holds the owner's repaints while this window covers it whole, and lets
    // them go (the owner painted again) when it shows again.
    void CoverOwner();

    QPointer<QWidget> owner_;
    TPresentacioDiagrama* diagram_;
    QWidget* results_;
    std::array<Cell, Cells> cells_{};
    TObjectHandle* handle_;
    ClientBox objectBox_;
    int typeHeight_ = 0;

    // The owner's controls the results are copied from.
    struct Sources {
        QPointer<QLineEdit> objectField, imageField, magnificationField;
        QPointer<QLabel> kind, orientation, size;
        std::array<QPointer<QWidget>, 3> mirrorButtons;
    } from_;
};
