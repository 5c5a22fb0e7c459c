// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Lesson.h"

#include <utility>

TLesson::TLesson(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("Lesson"));
}

const LessonState& TLesson::setScene(const Scene& scene, const TPen& pen) {
    DiagramStyle style = style_;
    style.pen = pen;
    state_.scene = scene;
    state_.image = ComputeImage(scene);
    state_.drawing = DrawScene(scene, state_.image, style, std::move(state_.drawing));
    emit changed(state_);
    return state_;
}
