// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ObjectHandle.h"

#include "forms/ErrorReport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace {

// A wheel notch, in eighths of a degree.
constexpr int Notch = 120;

} // namespace

TObjectHandle::TObjectHandle(QWidget* view, std::function<QPointF(const QPointF&)> toClient,
                             std::function<ClientBox()> objectBox)
    : QObject(view), view_(view), toClient_(std::move(toClient)), objectBox_(std::move(objectBox)) {
    setObjectName(QStringLiteral("ObjectHandle"));
    view_->setMouseTracking(true);
    view_->installEventFilter(this);
}

bool TObjectHandle::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_) {
        return QObject::eventFilter(watched, event);
    }
    RunHandler([this, event] { handle(event); });
    // The wheel is the object's here: it goes on to no window behind.
    return event->type() == QEvent::Wheel;
}

bool TObjectHandle::overObject(const QPointF& at) const {
    if (!objectBox_ || !toClient_) {
        return false;
    }
    const QPointF client = toClient_(at);
    return objectBox_().contains(client.x(), client.y());
}

void TObjectHandle::showCursor(bool grip) {
    if (grip == grip_) {
        return;
    }
    grip_ = grip;
    if (grip) {
        view_->setCursor(Qt::SizeHorCursor);
    } else {
        view_->unsetCursor();
    }
}

void TObjectHandle::refreshCursor() {
    if (!dragging_) {
        showCursor(hovering_ && overObject(lastAt_));
    }
}

void TObjectHandle::handle(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) {
            return;
        }
        pressed_ = true;
        pressAt_ = lastAt_ = e->position();
        // On the arrow the hand has it at once; elsewhere only a real drag
        // counts, so that a click or a double click leaves the object alone.
        dragging_ = overObject(pressAt_);
        showCursor(dragging_);
        return;
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        lastAt_ = e->position();
        hovering_ = true;
        if (pressed_ && (e->buttons() & Qt::LeftButton)) {
            if (!dragging_ &&
                (lastAt_ - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
                dragging_ = true;
            }
            if (dragging_) {
                showCursor(true);
                emit dragged(toClient_(lastAt_).x());
            }
            return;
        }
        showCursor(overObject(lastAt_));
        return;
    }
    case QEvent::MouseButtonRelease: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) {
            return;
        }
        pressed_ = false;
        dragging_ = false;
        lastAt_ = e->position();
        showCursor(overObject(lastAt_));
        return;
    }
    case QEvent::MouseButtonDblClick: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            pressed_ = false;
            dragging_ = false;
            emit doubleClicked();
        }
        return;
    }
    case QEvent::Wheel: {
        const auto* e = static_cast<QWheelEvent*>(event);
        // As the scroll bar under the panel turns: a notch down (or a
        // horizontal notch that Qt gives as negative) steps the bar up, the
        // object towards the mirror.
        const QPoint d = e->angleDelta();
        int delta = -(d.y() != 0 ? d.y() : d.x());
        if (e->inverted()) {
            delta = -delta;
        }
        wheelRest_ += delta;
        while (std::abs(wheelRest_) >= Notch) {
            const bool up = wheelRest_ > 0;
            wheelRest_ += up ? -Notch : Notch;
            emit stepped(up ? QAbstractSlider::SliderSingleStepAdd
                            : QAbstractSlider::SliderSingleStepSub);
        }
        return;
    }
    case QEvent::Leave:
        hovering_ = false;
        if (!dragging_) {
            showCursor(false);
        }
        return;
    default:
        return;
    }
}
