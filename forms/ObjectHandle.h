// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/ObjectDrag.h"

#include <QAbstractSlider>
#include <QObject>
#include <QPointF>

#include <functional>

class QWidget;

// The object arrow taken by hand on a view of the diagram (the main window's
// panel, the presentation window): it watches the view's pointer and wheel
// and says what the user asked for, in the diagram panel's client pixels;
// the main window turns that into the same update the scroll bar makes.
//
// - Pressed on the arrow and dragged, or pressed anywhere on the view and
//   dragged farther than the platform's drag distance: dragged() with the
//   client column under the pointer at every move, until the release. A
//   press alone, a click and a double click move nothing.
// - The wheel: one single step of the scroll bar per notch, the way the bar
//   itself turns (down or right goes towards the mirror).
// - Over the arrow, or while dragging, the pointer is a horizontal-resize
//   cursor.
class TObjectHandle : public QObject {
    Q_OBJECT
public:
    // `toClient` takes a point of the view to the panel's client pixels
    // (fractions where the view is finer); `objectBox` says where the arrow
    // can be taken, in the same pixels.
    TObjectHandle(QWidget* view, std::function<QPointF(const QPointF&)> toClient,
                  std::function<ClientBox()> objectBox);

    bool dragging() const { return dragging_; }
    // Shows the cursor for where the pointer now is: after the arrow moved
    // under a pointer that did not.
    void refreshCursor();

signals:
    void dragged(double column);
    void stepped(QAbstractSlider::SliderAction action);
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handle(QEvent* event);
    bool overObject(const QPointF& at) const;
    void showCursor(bool grip);

    QWidget* view_;
    std::function<QPointF(const QPointF&)> toClient_;
    std::function<ClientBox()> objectBox_;
    bool pressed_ = false;
    bool dragging_ = false;
    QPointF pressAt_;
    QPointF lastAt_;
    bool hovering_ = false;
    bool grip_ = false;
    int wheelRest_ = 0; // eighths of a degree not yet making a notch
};
