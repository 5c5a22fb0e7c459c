// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/DiagramRecord.h"

#include "core/RunError.h"
#include "diagram/Classroom.h"

DrawingRecord RecordDiagram(TMirrorKind kind, double x) {
    const Scene scene{kind, x};
    SceneDrawing drawing = DrawScene(scene, ComputeImage(scene));
    if (drawing.failed()) {
        throw RunError(drawing.failure);
    }
    return std::move(drawing.record);
}

DrawingRecord ClassroomRecord(const Scene& scene) {
    return std::move(DrawClassroomScene(scene, ComputeImage(scene)).drawing.record);
}

PictureSource ClassroomPicture(const DrawingRecord& drawing) {
    return PictureSource{&drawing, ClassroomColors.background, {ClassroomWidth, ClassroomHeight}};
}
