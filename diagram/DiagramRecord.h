// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Diagram.h"
#include "plot/PictureFile.h"

// The diagram of one mirror and one object position as a fresh main window
// draws it on its panel (the window's colours, the pen as at start-up), kept
// as its plotting calls. Throws RunError where the panel's drawing fails.
DrawingRecord RecordDiagram(TMirrorKind kind, double x);

// A drawing of the panel's size on the panel's colour.
inline PictureSource PanelPicture(const DrawingRecord& drawing) {
    return PictureSource{&drawing, PanelColor, {PanelWidth, PanelHeight}};
}

// The classroom view of a scene, kept as its plotting calls, and the
// picture it makes: white, of the classroom drawing's client area.
DrawingRecord ClassroomRecord(const Scene& scene);
PictureSource ClassroomPicture(const DrawingRecord& drawing);
