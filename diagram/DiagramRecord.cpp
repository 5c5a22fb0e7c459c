// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/DiagramRecord.h"

#include "core/RunError.h"

DrawingRecord RecordDiagram(TMirrorKind kind, double x) {
    const Scene scene{kind, x};
    SceneDrawing drawing = DrawScene(scene, ComputeImage(scene));
    if (drawing.failed()) {
        throw RunError(drawing.failure);
    }
    return std::move(drawing.record);
}
