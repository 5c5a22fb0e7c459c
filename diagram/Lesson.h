// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Diagram.h"

#include <QObject>

// A scene with its image and its drawing, computed together.
struct LessonState {
    Scene scene;
    ImageResult image;
    SceneDrawing drawing;
};

// The one holder of the scene the windows show. Every change of mirror or
// object comes here; the image is computed and the scene drawn once, and
// every view (the main window, the presentation, the diagram's commands)
// is told in one signal.
class TLesson : public QObject {
    Q_OBJECT
public:
    explicit TLesson(QObject* parent = nullptr);

    // Makes `scene` the current one, drawn with `style` and starting with
    // `pen`, and tells the views.
    const LessonState& setScene(const Scene& scene, const TPen& pen);
    const LessonState& state() const { return state_; }
    // Colours and size of later drawings; the pen is given with each scene.
    void setStyle(const DiagramStyle& style) { style_ = style; }
    const DiagramStyle& style() const { return style_; }

signals:
    void changed(const LessonState& state);

private:
    LessonState state_;
    DiagramStyle style_;
};
